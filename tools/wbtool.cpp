// wbtool.cpp — the dictionary tool's entry point: the command line as
// UTF-8, output with LF line ends, on Linux and on Windows alike.
#include <cstdio>
#include <string>
#include <vector>

#include "wbtool_commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

namespace {

std::string utf8Of(const wchar_t* text) {
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string out(static_cast<size_t>(bytes - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], bytes, nullptr, nullptr);
    return out;
}

// The arguments as typed, whatever the system code page: the wide command
// line, not the 8-bit argv the runtime derives from it.
std::vector<std::string> commandLineArguments() {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) args.push_back(utf8Of(wide[i]));
    LocalFree(wide);
    return args;
}

}  // namespace

int main() {
    // Binary streams: lines end in LF, as on Linux, and bytes pass unchanged.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int status = runWbtool(commandLineArguments(), stdout, stderr);
    std::fflush(stdout);
    return status;
}

#else

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = runWbtool(args, stdout, stderr);
    std::fflush(stdout);
    return status;
}

#endif
