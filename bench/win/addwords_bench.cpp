// addwords_bench.exe — how long the add-words window takes from Done to the
// main window shown again after new words were added, in an installed
// distribution: both directions of the pair re-sorted behind the sorting
// window. Beside it, in the same run, the bare copy of both word files (the
// least that rewriting them costs) and the time to confirm one entry.
// Run under Wine in the installation folder:
//   wine addwords_bench.exe <dictionary file> [rounds]     e.g. Ger_Eng.wb 5
// Each round starts from a copy of the two word files, adds five words that
// the dictionary does not hold, each with two translations, and clicks Done.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "appsettings.h"
#include "catalogue.h"
#include "ids.h"
#include "languagemenu.h"
#include "languagepair.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "progresswindow.h"
#include "sortingwindow.h"
#include "startup.h"
#include "toolwindow.h"
#include "wordstore.h"

namespace fs = std::filesystem;

namespace {

double now() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return double(t.QuadPart) / double(f.QuadPart);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int answerOk(HWND, const std::wstring&, const std::wstring&, UINT) { return IDOK; }

// When each re-sort began: its first counter line.
std::vector<double> sortStarts;
void recordCounter(const std::wstring& line) {
    if (line == L"Reading 0") sortStarts.push_back(now());
}

void restore(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot copy %s to %s\n", from.c_str(), to.c_str());
        std::exit(1);
    }
}

void row(const char* what, double seconds) { std::printf("| %-48s | %9.3f |\n", what, seconds); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: addwords_bench <dictionary file, e.g. Ger_Eng.wb> [rounds]\n");
        return 2;
    }
    const std::string dictFile = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    setMessageBoxRecorder(answerOk);
    setCounterObserver(recordCounter);

    std::vector<double> total, beforeSort, reverseSort, currentSort, copies, confirms, popups;
    std::string forwardPath, reversePath;
    long forwardRecords = 0, reverseRecords = 0;
    for (int round = 0; round < rounds; ++round) {
        int exitCode = 0;
        if (!startProgram("", SW_SHOWNORMAL, exitCode)) return 1;
        LanguagePair* pair = nullptr;
        for (LanguagePair* p = catalogue.head; p; p = p->next)
            if (dictionaryFileName(*p) == dictFile) pair = p;
        if (!pair || !otherDirectionOf(*pair)) {
            std::fprintf(stderr, "no pair with the dictionary %s\n", dictFile.c_str());
            return 1;
        }
        choosePairByMenuId(pair->menuId, mainWindow());
        forwardPath = "language\\" + dictionaryFileName(*pair);
        reversePath = "language\\" + dictionaryFileName(*otherDirectionOf(*pair));
        if (round == 0) {
            restore(forwardPath, forwardPath + ".bench");
            restore(reversePath, reversePath + ".bench");
        } else {
            closeWordFiles();
            restore(forwardPath + ".bench", forwardPath);
            restore(reversePath + ".bench", reversePath);
            openDictionary();
            countRecords();
        }
        forwardRecords = wordStore.dictionaryCount;
        reverseRecords = static_cast<long>(fs::file_size(reversePath) / 84);

        double a = now();
        restore(forwardPath, forwardPath + ".copy");
        restore(reversePath, reversePath + ".copy");
        copies.push_back(now() - a);
        fs::remove(forwardPath + ".copy");
        fs::remove(reversePath + ".copy");

        SendMessageW(mainWindow(), WM_COMMAND, IDM_ADD_WORDS, 0);
        HWND window = FindWindowW(L"toevoeg", nullptr);
        if (!window) return 1;
        HWND source = GetDlgItem(window, 30), target = GetDlgItem(window, 31);
        for (int k = 0; k < 5; ++k) {
            std::wstring head = L"zzbench" + std::to_wstring(round) + L"x" + std::to_wstring(k);
            std::wstring translation = L"qqbench" + std::to_wstring(k) + L", qqother" +
                                       std::to_wstring(round) + std::to_wstring(k);
            a = now();
            SetWindowTextW(source, head.c_str());
            SendMessageW(source, WM_KEYUP, 'X', 0);
            SendMessageW(source, WM_KEYDOWN, VK_RETURN, 0);
            SetWindowTextW(target, translation.c_str());
            SendMessageW(target, WM_KEYDOWN, VK_RETURN, 0);
            confirms.push_back(now() - a);
        }
        a = now();
        closeSortingWindow(openSortingWindow());
        popups.push_back(now() - a);
        sortStarts.clear();
        a = now();
        SendMessageW(GetDlgItem(window, IDC_DONE), BM_CLICK, 0, 0);
        while (!IsWindowVisible(mainWindow())) Sleep(1);
        const double b = now();
        total.push_back(b - a);
        if (sortStarts.size() == 2) {
            beforeSort.push_back(sortStarts[0] - a);
            reverseSort.push_back(sortStarts[1] - sortStarts[0]);
            currentSort.push_back(b - sortStarts[1]);
        }
        DestroyWindow(mainWindow());
    }
    restore(forwardPath + ".bench", forwardPath);
    restore(reversePath + ".bench", reversePath);
    fs::remove(forwardPath + ".bench");
    fs::remove(reversePath + ".bench");

    std::printf("Add words: 5 new words with 2 translations each, then Done\n");
    std::printf("%s: %ld records, its other direction %ld; median of %d rounds\n\n",
                dictFile.c_str(), forwardRecords, reverseRecords, rounds);
    std::printf("| %-48s | %9s |\n", "step", "seconds");
    std::printf("|%s|%s|\n", std::string(50, '-').c_str(), std::string(11, '-').c_str());
    row("Done to the main window shown again", median(total));
    row("  of which up to the first re-sort", median(beforeSort));
    row("  of which the reverse direction's re-sort", median(reverseSort));
    row("  of which the current direction's re-sort", median(currentSort));
    row("baseline: copying both word files", median(copies));
    row("one entry confirmed (stored and merged)", median(confirms));
    row("the sorting window opened and closed", median(popups));
    return 0;
}
