// fuzzsupport.cpp — scratch folder, English strings, findings.
#include "fuzzsupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "files.h"
#include "uistrings.h"

namespace fuzz {

void enterScratchFolder() {
    static bool entered = false;
    if (entered) return;
    std::string pattern = (std::filesystem::temp_directory_path() / "norva-fuzz-XXXXXX").string();
    if (!mkdtemp(&pattern[0]) || chdir(pattern.c_str()) != 0) fail("no scratch folder");
    entered = true;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::string native = nativePath(path);
    size_t slash = native.rfind('/');
    if (slash != std::string::npos) std::filesystem::create_directories(native.substr(0, slash));
    FILE* f = std::fopen(native.c_str(), "wb");
    if (!f) fail("cannot write a scratch file");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

namespace {
std::string englishString(int offset) {
    switch (offset) {
        case ui::kWordListFolder: return "language\\";
        case ui::kListRootFolder: return "list\\";
        case ui::kListTempFile: return "list\\temp.ls";
        case ui::kSortTempFile: return "language\\tempfile";
        case ui::kUiLocale: return "english";
        case ui::kUiCharset: return "0";
        case 52: return "English";
        case 53: return "dict.ini";
        case 56: return "[language]";
        case 57: return "[selected]";
        case 58: return "10";
        default: return "";
    }
}
}  // namespace

void useEnglishStrings() { setUiStringLoader(englishString); }

void fail(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

}  // namespace fuzz
