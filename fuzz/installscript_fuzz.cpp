// install.inf read in both passes: the settings, then the commands.
#include "fuzzsupport.h"
#include "installscript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchFolder();
    fuzz::writeFile("install.inf", fuzz::bytes(data, size));
    ScriptSettings settings;
    FUZZ_CHECK(readScriptSettings("install.inf", settings));
    size_t commands = 0;
    FUZZ_CHECK(runScriptCommands("install.inf", [&](const ScriptCommand& c) {
        ++commands;
        // A copying command never reaches the installer without its operands.
        if (c.kind == ScriptCommandKind::Copy || c.kind == ScriptCommandKind::XCopy ||
            c.kind == ScriptCommandKind::SndCopy)
            FUZZ_CHECK(!c.first.empty() && !c.second.empty());
    }));
    FUZZ_CHECK(commands <= size);  // at most one a line
    return 0;
}
