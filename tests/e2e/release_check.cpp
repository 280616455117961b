// release_check.cpp — an installed release tried the way a user would: for
// each pair named on the command line, norva.exe is started in the
// installation folder on that pair (the arguments the Start-menu shortcut
// gives), the search window opened, a word of the pair typed, and the first
// row must show it. scripts/check-release.sh runs it on the installed zip.
//
//   release_check.exe FOLDER PAIR WORD [PAIR WORD ...]    (WORD in UTF-8)
//
// Exit code 0 when every pair finds its word; 1 with one line per failure.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "ids.h"
#include "pump.h"

namespace {

std::wstring lower(std::wstring text) {
    if (!text.empty()) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::string utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

// Empty when the pair finds its word, otherwise what went wrong.
std::string tryPair(const std::wstring& folder, const std::wstring& pair,
                    const std::wstring& word) {
    driver::Program norva = driver::start(folder + L"\\norva.exe", L"wb " + pair, folder);
    if (!norva.process) return "norva.exe did not start";
    std::string problem;
    HWND main = driver::waitForWindow(norva, L"norva", 30000);
    HWND search = nullptr;
    if (!main) {
        driver::MessageBoxSeen box;
        problem = driver::waitForMessageBox(norva, box, 0) ? "norva.exe said: " + utf8(box.text)
                                                           : "no main window within 30 s";
    } else {
        PostMessageW(main, WM_COMMAND, IDM_SEARCH, 0);
        search = driver::waitForWindow(norva, L"zoeken", 15000);
        if (!search) problem = "the search window did not open";
    }
    if (search) {
        HWND field = GetDlgItem(search, IDC_SEARCH_FIELD);
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(word.c_str()));
        HWND first = GetDlgItem(search, IDC_FIRST_HEADWORD);
        std::wstring shown;
        bool found = pumpUntil(
            [&] {
                shown = driver::controlText(first);
                return lower(shown) == lower(word);
            },
            15000);
        if (!found) problem = "the first row shows \"" + utf8(shown) + "\"";
        PostMessageW(search, WM_CLOSE, 0, 0);
        pumpUntil([&] { return IsWindowVisible(main) != FALSE; }, 10000);
    }
    if (main) PostMessageW(main, WM_COMMAND, IDM_EXIT, 0);
    int code = driver::waitForExit(norva, 15000);
    if (problem.empty() && code != 0) problem = "exit code " + std::to_string(code);
    return problem;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: release_check FOLDER PAIR WORD [PAIR WORD ...]\n");
        return 2;
    }
    int failures = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        std::string problem = tryPair(argv[1], argv[i], argv[i + 1]);
        std::printf("%s %s: %s\n", problem.empty() ? "ok  " : "FAIL", utf8(argv[i]).c_str(),
                    problem.empty() ? ("found " + utf8(argv[i + 1])).c_str() : problem.c_str());
        if (!problem.empty()) ++failures;
    }
    return failures ? 1 : 0;
}
