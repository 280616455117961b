// commandline.cpp — record mode and the pair named on the command line.
#include "commandline.h"

#include "languagepair.h"
#include "textcase.h"

CommandLine parseCommandLine(const std::string& arguments) {
    CommandLine result;
    const std::string text = arguments.substr(0, 99);
    result.recordMode = equalsIgnoringCase(text, "record");
    size_t start = text.find_first_not_of('/');
    if (start == std::string::npos) return result;
    std::string segment = text.substr(start, text.find('/', start) - start);
    size_t wb = segment.find("wb ");
    if (wb != std::string::npos) result.pairPrefix = segment.substr(wb + 3);
    return result;
}

void choosePairByPrefix(const std::string& prefix) {
    if (prefix.empty()) return;
    LanguagePair* current = currentPair();
    if (current && (startsWithIgnoringCase(current->toName, prefix) ||
                    startsWithIgnoringCase(current->name, prefix)))
        return;
    for (LanguagePair* p = catalogue.head; p; p = p->next) {
        if (!startsWithIgnoringCase(p->name, prefix)) continue;
        if (current) current->selected = 0;
        p->selected = 1;
        catalogue.currentPair = p;
        return;
    }
}
