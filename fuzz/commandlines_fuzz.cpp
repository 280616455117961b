// The command lines: norva.exe's, install.exe's (/quiet, /dir=) and
// wbtool's arguments (the input split at NULs into arguments).
#include <cstring>

#include "commandline.h"
#include "fuzzsupport.h"
#include "installargs.h"
#include "wbtool_args.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line = fuzz::bytes(data, size);

    CommandLine program = parseCommandLine(line);
    FUZZ_CHECK(program.pairPrefix.size() <= 99);  // only the first 99 characters count

    std::vector<std::string> words = splitCommandLine(line);
    size_t wordBytes = 0;
    for (const std::string& w : words) wordBytes += w.size();
    FUZZ_CHECK(wordBytes <= line.size());
    InstallArguments install = parseInstallArguments(line);
    (void)install;

    std::vector<std::string> args;
    for (size_t at = 0; at <= line.size();) {
        size_t end = line.find('\0', at);
        if (end == std::string::npos) end = line.size();
        args.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    Invocation invocation;
    std::string error;
    if (!parseArguments(args, invocation, error)) FUZZ_CHECK(!error.empty());
    return 0;
}
