// search_bench.exe — how long the search window takes from a changed search
// text to its ten rows filled, on a dictionary of 1 000 000 records with the
// pair's locale comparison, beside the bare findWord of the same keys.
// Run under Wine: wine search_bench.exe [records] [keys]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "appsettings.h"
#include "collate.h"
#include "ids.h"
#include "languagepair.h"
#include "lookup.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "sortingwindow.h"
#include "startup.h"
#include "toolwindow.h"
#include "wordrecord.h"
#include "wordstore.h"

namespace {

// Words of lower-case letters in increasing order: the same order in every
// locale, so the file is sorted for the French collation too.
std::string wordAt(long i) {
    std::string w(6, 'a');
    long n = i * 7;
    for (int k = 5; k >= 0; --k, n /= 26) w[k] = static_cast<char>('a' + n % 26);
    return w;
}

double microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(to.QuadPart - from.QuadPart) * 1e6 / double(f.QuadPart);
}

void report(const char* what, std::vector<double> t) {
    std::sort(t.begin(), t.end());
    std::printf("| %-40s | %9.1f | %9.1f |\n", what, t[t.size() / 2], t[t.size() * 99 / 100]);
}

int answerOk(HWND, const std::wstring&, const std::wstring&, UINT) { return IDOK; }

// The re-sort of an unsorted dictionary behind the sorting window, with the
// pair's locale and with A-Z folding (no locale in force).
void timeResort(long records) {
    setMessageBoxRecorder(answerOk);
    std::printf("\nRe-sort of %ld unsorted records in the sorting window\n\n", records);
    std::printf("| %-40s | %9s |\n", "comparison", "seconds");
    std::printf("|%s|%s|\n", std::string(42, '-').c_str(), std::string(11, '-').c_str());
    for (const char* locale : {"french", "klingon"}) {
        closeWordFiles();
        FILE* f = std::fopen("language\\Fre_Eng.wb", "wb");
        std::mt19937 random(11);
        for (long i = 0; i < records; ++i) {
            WordRecord r = makeRecord(wordAt(static_cast<long>(random() % 1000000)), "translation");
            std::fwrite(&r, sizeof r, 1, f);
        }
        std::fclose(f);
        openDictionary();
        countRecords();
        copyField(currentPair()->locale, sizeof currentPair()->locale, locale);
        clearCollationLocale();
        appSettings.dictionaryDirty = 1;
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        resortIfDirty();
        QueryPerformanceCounter(&b);
        std::printf(
            "| %-40s | %9.2f |\n",
            std::string(locale) == "french" ? "locale french (CompareStringA)" : "A-Z folding",
            microseconds(a, b) / 1e6);
    }
}

}  // namespace

int main(int argc, char** argv) {
    long records = argc > 1 ? std::atol(argv[1]) : 1000000;
    int keys = argc > 2 ? std::atoi(argv[2]) : 1000;
    auto folder = std::filesystem::temp_directory_path() / "norva-search-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "language");
    std::filesystem::current_path(folder);
    FILE* f = std::fopen("language\\Fre_Eng.wb", "wb");
    for (long i = 0; i < records; ++i) {
        WordRecord r = makeRecord(wordAt(i), "translation");
        std::fwrite(&r, sizeof r, 1, f);
    }
    std::fclose(f);
    std::fclose(std::fopen("language\\Eng_Fre.wb", "wb"));
    FILE* ini = std::fopen("language.ini", "wb");
    std::fputs("[Dictionary]\r\nLanguage=english\r\n", ini);
    std::fclose(ini);
    FILE* settings = std::fopen("dict.ini", "wb");
    std::fputs("[selected]\r\nFre_Eng.wb\r\n\r\n[language]\r\nFrench,french,0\r\n", settings);
    std::fclose(settings);

    int exitCode = 0;
    if (!startProgram("", SW_SHOWNORMAL, exitCode)) return 1;
    SendMessageW(mainWindow(), WM_COMMAND, IDM_SEARCH, 0);
    HWND search = FindWindowW(L"zoeken", nullptr);
    HWND field = GetDlgItem(search, 30);
    if (!search || !field) return 1;

    std::mt19937 random(7);
    std::vector<std::wstring> typed;
    for (int k = 0; k < keys; ++k) {
        std::string w = wordAt(static_cast<long>(random() % static_cast<unsigned>(records)));
        typed.push_back(std::wstring(w.begin(), w.begin() + 1 + random() % 6));
    }
    std::vector<double> window, bare;
    for (const std::wstring& key : typed) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        SetWindowTextW(field, key.c_str());  // look-up and the ten rows, synchronously
        QueryPerformanceCounter(&b);
        window.push_back(microseconds(a, b) / 1000.0);
        std::string bytes(key.begin(), key.end());
        QueryPerformanceCounter(&a);
        findWord(bytes.c_str());
        QueryPerformanceCounter(&b);
        bare.push_back(microseconds(a, b) / 1000.0);
    }
    std::vector<double> one;
    HWND row = GetDlgItem(search, 105);
    for (int k = 0; k < 200; ++k) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        SetWindowTextW(row, (k % 2) ? L"abcdef" : L"ghijkl");
        QueryPerformanceCounter(&b);
        one.push_back(microseconds(a, b) / 1000.0);
    }
    std::printf("Search window on %ld records (locale french), %d typed prefixes\n\n", records,
                keys);
    std::printf("| %-40s | %9s | %9s |\n", "step", "median ms", "p99 ms");
    std::printf("|%s|%s|%s|\n", std::string(42, '-').c_str(), std::string(11, '-').c_str(),
                std::string(11, '-').c_str());
    report("changed search text to ten rows shown", window);
    report("findWord alone", bare);
    report("one field's text set", one);
    DestroyWindow(search);
    timeResort(100000);
    DestroyWindow(mainWindow());
    return 0;
}
