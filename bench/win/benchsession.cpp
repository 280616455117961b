// benchsession.cpp — a scratch installation and the program started in it.
#include "benchsession.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "messagebox.h"
#include "startup.h"
#include "wordstore.h"

namespace {

void writeFile(const std::string& path, const void* bytes, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes, 1, size, f) != size || std::fclose(f) != 0) {
        std::fprintf(stderr, "bench: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

void writeText(const std::string& path, const std::string& text) {
    writeFile(path, text.data(), text.size());
}

int answerOk(HWND, const std::wstring&, const std::wstring&, UINT) { return IDOK; }

}  // namespace

std::string makeInstallation(const std::string& folder, const std::string& pairName,
                             const std::string& locale, const std::vector<WordRecord>& records) {
    auto root = std::filesystem::temp_directory_path() / folder;
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "language");
    std::filesystem::current_path(root);
    // The catalogue's short file names: the first three letters of each name.
    const std::string forward = "language\\" + pairName.substr(0, 3) + "_Eng.wb";
    const std::string reverse = "language\\Eng_" + pairName.substr(0, 3) + ".wb";
    writeFile(forward, records.data(), records.size() * sizeof(WordRecord));
    writeText(reverse, "");
    writeText("language.ini", "[Dictionary]\r\nLanguage=english\r\n");
    writeText("dict.ini", "[selected]\r\n" + forward.substr(9) + "\r\n\r\n[language]\r\n" +
                              pairName + "," + locale + ",0\r\n");
    return forward;
}

void refillDictionary(const std::string& path, const std::vector<WordRecord>& records) {
    closeWordFiles();
    writeFile(path, records.data(), records.size() * sizeof(WordRecord));
    openDictionary();
    countRecords();
}

bool startBenchProgram() {
    setMessageBoxRecorder(answerOk);
    int exitCode = 0;
    return startProgram("", SW_SHOWNORMAL, exitCode);
}

long long ticksNow() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double secondsSince(long long startTicks) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(ticksNow() - startTicks) / double(f.QuadPart);
}

void printFigure(const std::string& name, double value) {
    std::printf("%s\t%.6g\n", name.c_str(), value);
    std::fflush(stdout);
}
