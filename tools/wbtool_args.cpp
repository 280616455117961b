// wbtool_args.cpp — parsing and checking the tool's command line.
#include "wbtool_args.h"

#include <cstdlib>

#include "codepage.h"

namespace {

enum Option { kCharset = 1, kTable = 2, kLocale = 4 };

struct CommandSpec {
    const char* name;
    WbCommand command;
    size_t operands;
    int options;  // the Option bits it accepts
    const char* synopsis;
};

const CommandSpec kCommands[] = {
    {"import", WbCommand::Import, 2, kCharset, "import TSV OUT [--charset N]"},
    {"dump", WbCommand::Dump, 1, kCharset, "dump FILE [--charset N]"},
    {"find", WbCommand::Find, 2, kCharset | kTable | kLocale,
     "find FILE KEY [--charset N] [--table STB | --locale NAME]"},
    {"sort", WbCommand::Sort, 1, kTable | kLocale, "sort FILE [--table STB | --locale NAME]"},
    {"reverse", WbCommand::Reverse, 2, kLocale, "reverse FROM TO [--locale NAME]"},
    {"check", WbCommand::Check, 1, kTable | kLocale, "check FILE [--table STB | --locale NAME]"},
};

const CommandSpec* findCommand(const std::string& name) {
    for (const CommandSpec& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

bool parseCharset(const std::string& text, int& charset) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    charset = std::atoi(text.c_str());
    return true;
}

}  // namespace

const char* usageText() {
    return "usage: wbtool COMMAND ARGUMENTS\n"
           "  wbtool --version\n"
           "  wbtool import TSV OUT [--charset N]\n"
           "  wbtool dump FILE [--charset N]\n"
           "  wbtool find FILE KEY [--charset N] [--table STB | --locale NAME]\n"
           "  wbtool sort FILE [--table STB | --locale NAME]\n"
           "  wbtool reverse FROM TO [--locale NAME]\n"
           "  wbtool check FILE [--table STB | --locale NAME]\n"
           "--charset N: the character set of the file's text (0 Western, 204 Cyrillic,\n"
           "  238, 161, 162, 186, 177, 178, 500 Latin-3); text on the command line and\n"
           "  in the output is UTF-8.\n";
}

bool parseArguments(const std::vector<std::string>& args, Invocation& inv, std::string& error) {
    inv = Invocation{};
    if (args.empty()) {
        error = "no command given";
        return false;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        inv.command = WbCommand::Help;
        return true;
    }
    if (args[0] == "--version" && args.size() == 1) {
        inv.command = WbCommand::Version;
        return true;
    }
    const CommandSpec* entry = findCommand(args[0]);
    if (!entry) {
        error = "unknown command \"" + args[0] + "\"";
        return false;
    }
    inv.command = entry->command;

    int seen = 0;
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            if (!optionsEnded && arg == "--") {
                optionsEnded = true;
                continue;
            }
            inv.operands.push_back(arg);
            continue;
        }
        // --name VALUE or --name=VALUE
        std::string name = arg, value;
        bool hasValue = false;
        size_t eq = arg.find('=');
        if (eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }
        int option = name == "--charset"  ? kCharset
                     : name == "--table"  ? kTable
                     : name == "--locale" ? kLocale
                                          : 0;
        if (!option) {
            error = "unknown option " + name;
            return false;
        }
        if (!(entry->options & option)) {
            error = std::string(entry->name) + " does not take " + name;
            return false;
        }
        if (seen & option) {
            error = name + " given twice";
            return false;
        }
        seen |= option;
        if (!hasValue) {
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if (option == kCharset) {
            if (!parseCharset(value, inv.charset) || codePageOfCharset(inv.charset) == 0) {
                error = "unknown character set \"" + value +
                        "\" for --charset (0, 161, 162, 177, 178, 186, 204, 238 or 500)";
                return false;
            }
            inv.codePage = codePageOfCharset(inv.charset);
        } else if (option == kTable) {
            if (value.empty()) {
                error = "--table needs a file name";
                return false;
            }
            inv.table = value;
        } else {
            inv.locale = value;
            inv.hasLocale = true;
        }
    }
    if ((seen & kTable) && (seen & kLocale)) {
        error = "give either --table or --locale, not both";
        return false;
    }
    if (inv.operands.size() != entry->operands) {
        error = std::string("wrong number of arguments: wbtool ") + entry->synopsis;
        return false;
    }
    return true;
}
