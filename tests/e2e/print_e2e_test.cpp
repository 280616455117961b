// Printing from the real norva.exe: the list editor's Print, the print
// dialog answered from another process, the printout made by a CUPS PDF
// printer (scripts/print-session.sh starts it for the run) and read back
// with pdftotext: the heading and the lines, copies collated or not, page
// ranges, the dialog's choices kept for the run, no print file left.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver.h"
#include "installation.h"
#include "testsupport.h"

namespace {

// Controls of the system print dialog.
constexpr int kFromPage = 1152, kToPage = 1153, kCopies = 1154, kCollate = 1041;
constexpr int kAllPages = 1056, kPageRange = 1058;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A Linux path as Wine's programs see it.
std::wstring winePath(const std::string& path) {
    std::wstring wide = L"Z:";
    for (char c : path) wide += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return wide;
}

std::vector<std::string> pdfsIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((winePath(folder) + L"\\*.pdf").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name;
        for (const wchar_t* p = found.cFileName; *p; ++p) name += static_cast<char>(*p);
        names.push_back(name);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return names;
}

std::string fileText(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the Linux pdftotext on a PDF, keeping the printed layout. Wine starts
// a Linux program without a handle to wait on: its output is complete once
// it ends with the last page's form feed. False when none came (a PDF still
// being written does not parse).
bool pdfToText(const std::string& pdf, const std::string& out, std::string& text) {
    DeleteFileW(winePath(out).c_str());
    std::wstring command = L"Z:\\usr\\bin\\pdftotext -q -layout \"";
    for (char c : pdf) command += static_cast<wchar_t>(c);
    command += L"\" \"";
    for (char c : out) command += static_cast<wchar_t>(c);
    command += L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    for (int waited = 0; waited < 5000; waited += 100) {
        text = fileText(winePath(out));
        if (!text.empty() && text.back() == '\f') return true;
        Sleep(100);
    }
    return false;
}

// A printed line with its spaces collapsed; pdftotext gives '-' as a soft
// hyphen.
std::string normalised(const std::string& line) {
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, "\xC2\xAD") == 0) {
            out += '-';
            ++i;
        } else if (line[i] == ' ' || line[i] == '\r') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += line[i];
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

using Page = std::vector<std::string>;  // its non-empty lines, normalised

std::vector<Page> pagesOf(const std::string& text) {
    std::vector<Page> pages(1);
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        size_t feed;
        while ((feed = line.find('\f')) != std::string::npos) {
            if (!normalised(line.substr(0, feed)).empty())
                pages.back().push_back(normalised(line.substr(0, feed)));
            pages.emplace_back();
            line = line.substr(feed + 1);
        }
        if (!normalised(line).empty()) pages.back().push_back(normalised(line));
    }
    while (!pages.empty() && pages.back().empty()) pages.pop_back();  // after the last feed
    return pages;
}

std::vector<std::string> concatenated(const std::vector<Page>& pages) {
    std::vector<std::string> lines;
    for (const Page& p : pages) lines.insert(lines.end(), p.begin(), p.end());
    return lines;
}

struct DialogAnswer {
    int copies = 1;
    bool collate = false;
    int fromPage = 0, toPage = 0;  // 0: all pages
};

class PrintE2E : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    driver::Program norva;
    HWND main = nullptr, editor = nullptr;
    std::string pdfFolder = environment("NORVA_PDF_DIR");

    void SetUp() override {
        REQUIRE_FIXTURE(!pdfFolder.empty() && !environment("CUPS_SERVER").empty(),
                        "a CUPS PDF printer (scripts/print-session.sh)");
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    void TearDown() override {
        if (norva.process) driver::waitForExit(norva, 0);  // ends it after a failure
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }

    // The list "verbs" of French-English holds `list`; the editor is open.
    void openEditor(const std::vector<test::Entry>& list) {
        test::prepareInstallation({});
        test::writeWordFile("language\\Fre_Eng.wb", {{"chat", "cat"}});
        test::makeFolders("list\\verbs");
        test::writeWordFile("list\\verbs\\Fre_Eng.ls", list);
        norva = driver::start(driver::binFolder() + L"norva.exe", L"", folder.path().wstring());
        main = driver::waitForWindow(norva, L"norva", 15000);
        ASSERT_NE(main, nullptr);
        SendMessageW(main, WM_COMMAND, 13, 0);
        editor = driver::waitForWindow(norva, L"lijst", 15000);
        ASSERT_NE(editor, nullptr);
    }

    HWND clickPrint() {
        PostMessageW(GetDlgItem(editor, 23), BM_CLICK, 0, 0);
        HWND dialog = driver::waitForWindow(norva, L"#32770", 20000);
        if (dialog) Sleep(200);  // let the dialog fill its fields
        return dialog;
    }

    static std::wstring fieldText(HWND dialog, int id) {
        wchar_t text[32] = {};
        SendMessageW(GetDlgItem(dialog, id), WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text));
        return text;
    }

    static void answer(HWND dialog, const DialogAnswer& a) {
        SendMessageW(GetDlgItem(dialog, kCopies), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(std::to_wstring(a.copies).c_str()));
        SendMessageW(GetDlgItem(dialog, kCollate), BM_SETCHECK,
                     a.collate ? BST_CHECKED : BST_UNCHECKED, 0);
        if (a.fromPage > 0) {
            SendMessageW(GetDlgItem(dialog, kPageRange), BM_CLICK, 0, 0);
            SendMessageW(GetDlgItem(dialog, kFromPage), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(std::to_wstring(a.fromPage).c_str()));
            SendMessageW(GetDlgItem(dialog, kToPage), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(std::to_wstring(a.toPage).c_str()));
        } else {
            SendMessageW(GetDlgItem(dialog, kAllPages), BM_CLICK, 0, 0);
        }
        driver::press(dialog, IDOK);
    }

    // Prints with the dialog answered and reads the new PDF back.
    std::vector<Page> printed(const DialogAnswer& a) {
        const std::vector<std::string> before = pdfsIn(pdfFolder);
        HWND dialog = clickPrint();
        if (!dialog) {
            ADD_FAILURE() << "no print dialog";
            return {};
        }
        answer(dialog, a);
        return nextPdf(before);
    }

    // Waits for the PDF that is not among `before` and reads it back.
    std::vector<Page> nextPdf(const std::vector<std::string>& before) {
        const std::string out = pdfFolder + "/../printed.txt";
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 30000) {
            for (const std::string& name : pdfsIn(pdfFolder)) {
                if (std::find(before.begin(), before.end(), name) != before.end()) continue;
                std::string text;
                if (pdfToText(pdfFolder + "/" + name, out, text)) return pagesOf(text);
            }
            Sleep(100);
        }
        ADD_FAILURE() << "no PDF came out";
        return {};
    }

    void closeProgram() {
        SendMessageW(GetDlgItem(editor, 14), BM_CLICK, 0, 0);  // Done
        PostMessageW(main, WM_COMMAND, 3, 0);
        EXPECT_EQ(driver::waitForExit(norva, 15000), 0);
    }
};

std::vector<test::Entry> numberedWords(int n) {
    std::vector<test::Entry> words;
    for (int i = 0; i < n; ++i) {
        const std::string number = std::to_string(1000 + i).substr(1);
        words.push_back({"w" + number, "translation " + number});
    }
    return words;
}

std::vector<std::string> expectedLines(const std::vector<test::Entry>& list) {
    std::vector<std::string> lines = {"French English"};
    for (const test::Entry& e : list) lines.push_back(normalised(e.first + " - " + e.second));
    return lines;
}

TEST_F(PrintE2E, AThreeWordListPrintsItsHeadingAndThreeLinesAndLeavesNoPrintFile) {
    const std::vector<test::Entry> list = {{"chat", "cat"}, {"chien", "dog"}, {"oie", "goose"}};
    openEditor(list);
    HWND dialog = clickPrint();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);  // owned by the main window
    EXPECT_FALSE(IsWindowEnabled(editor));         // the editor waits for the printout
    EXPECT_EQ(GetFileAttributesA("list.prt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(fieldText(dialog, kCopies), L"1");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1057)));  // no "Selection"
    const std::vector<std::string> before = pdfsIn(pdfFolder);
    driver::press(dialog, IDOK);
    const std::vector<Page> pages = nextPdf(before);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], expectedLines(list));
    EXPECT_EQ(GetFileAttributesA("list.prt"), INVALID_FILE_ATTRIBUTES);
    closeProgram();
}

// One run of the program: Cancel prints nothing and leaves no print file;
// each dialog offers the choices of the print before.
TEST_F(PrintE2E, ALongListOnSeveralPagesWithCopiesAndRanges) {
    const std::vector<test::Entry> list = numberedWords(200);
    openEditor(list);
    const size_t before = pdfsIn(pdfFolder).size();
    HWND dialog = clickPrint();
    ASSERT_NE(dialog, nullptr);
    driver::press(dialog, IDCANCEL);
    for (int waited = 0; waited < 5000 && !IsWindowEnabled(editor); waited += 50) Sleep(50);
    EXPECT_TRUE(IsWindowEnabled(editor));
    EXPECT_EQ(GetFileAttributesA("list.prt"), INVALID_FILE_ATTRIBUTES);

    // Once: several pages, every line once and in order.
    const std::vector<Page> once = printed({});
    EXPECT_EQ(pdfsIn(pdfFolder).size(), before + 1);  // the cancelled print made none
    ASSERT_GE(once.size(), 2u);
    EXPECT_EQ(concatenated(once), expectedLines(list));

    // Two collated copies: the whole list twice in order.
    const std::vector<Page> collated = printed({2, true});
    std::vector<Page> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(collated, twice);

    // Two copies not collated: each page twice in a row. The dialog offers
    // the two collated copies chosen before.
    dialog = clickPrint();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(fieldText(dialog, kCopies), L"2");
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, kCollate), BM_GETCHECK, 0, 0), BST_CHECKED);
    const std::vector<std::string> beforeUncollated = pdfsIn(pdfFolder);
    answer(dialog, {2, false});
    const std::vector<Page> uncollated = nextPdf(beforeUncollated);
    std::vector<Page> eachTwice;
    for (const Page& p : once) eachTwice.insert(eachTwice.end(), {p, p});
    EXPECT_EQ(uncollated, eachTwice);

    // Pages 2 to 3 of one copy.
    const std::vector<Page> range = printed({1, false, 2, 3});
    ASSERT_GE(once.size(), 3u);
    EXPECT_EQ(range, (std::vector<Page>{once[1], once[2]}));
    EXPECT_EQ(GetFileAttributesA("list.prt"), INVALID_FILE_ATTRIBUTES);
    closeProgram();
}

}  // namespace
