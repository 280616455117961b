// norva.exe's text-file search driven from another process: a text chosen
// in the open-file dialog and text put on the clipboard by this program,
// words clicked in the text box, the rows read back, the position kept.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>

#include "driver.h"
#include "ids.h"
#include "installation.h"
#include "pump.h"
#include "testsupport.h"

namespace {

class TextSearchE2E : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    driver::Program norva;
    HWND window = nullptr;

    void SetUp() override { WriteProfileStringA("Dictionary", nullptr, nullptr); }
    void TearDown() override {
        if (norva.process) driver::waitForExit(norva, 0);
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    std::wstring text(int id) { return driver::controlText(GetDlgItem(window, id)); }
    bool waitForText(int id, const std::wstring& expected) {
        return pumpUntil([&] { return text(id) == expected; }, 10000);
    }
    // A click as the mouse gives it, on the character at an index of the text.
    void clickAt(size_t index) {
        HWND box = GetDlgItem(window, IDC_TEXT_BOX);
        LRESULT at = SendMessageW(box, EM_POSFROMCHAR, index, 0);
        LPARAM point = MAKELPARAM(LOWORD(at) + 1, HIWORD(at) + 2);
        PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageW(box, WM_LBUTTONUP, 0, point);
    }
};

TEST_F(TextSearchE2E, WordsOfAFileAndOfAnotherProgramsClipboard) {
    test::prepareInstallation({});
    test::writeWordFile("language\\Fre_Eng.wb", {{"chat", "cat"},
                                                 {"chien", "dog"},
                                                 {"l'homme", "the man"},
                                                 {"maison", "house"},
                                                 {"rue", "street"}});
    const std::string file = "Le chat et l'homme\r\ndans la rue.";
    test::writeBytes("lire.txt", file);
    norva = driver::start(driver::binFolder() + L"norva.exe", L"", folder.path().wstring());
    HWND main = driver::waitForWindow(norva, L"norva", 15000);
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_COMMAND, IDM_TEXT_SEARCH, 0);
    window = driver::waitForWindow(norva, L"vertaal", 10000);
    ASSERT_NE(window, nullptr);

    PostMessageW(window, WM_COMMAND, IDM_OPEN_TEXT_FILE, 0);
    HWND dialog = driver::waitForWindow(norva, L"#32770", 10000);
    ASSERT_NE(dialog, nullptr);
    const std::wstring path = (folder.path() / "lire.txt").wstring();
    SendMessageW(GetDlgItem(dialog, 1148), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(waitForText(IDC_TEXT_BOX, L"Le chat et l'homme\r\ndans la rue."));
    clickAt(file.find("homme"));
    ASSERT_TRUE(waitForText(IDC_SEARCH_FIELD, L"l'homme"));
    EXPECT_TRUE(waitForText(IDC_FIRST_HEADWORD, L"l'homme"));
    EXPECT_EQ(text(IDC_FIRST_TRANSLATION), L"the man");
    EXPECT_EQ(text(IDC_FIRST_HEADWORD + 2), L"rue");
    clickAt(file.find("rue") + 1);  // on the second line
    EXPECT_TRUE(waitForText(IDC_SEARCH_FIELD, L"rue"));

    // Text this program puts on the clipboard, in a block larger than the text.
    wchar_t block[32] = L"un chien";
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof block);
    std::memcpy(GlobalLock(data), block, sizeof block);
    GlobalUnlock(data);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    PostMessageW(window, WM_COMMAND, IDM_PASTE_TEXT, 0);
    ASSERT_TRUE(waitForText(IDC_TEXT_BOX, L"un chien"));
    clickAt(5);
    EXPECT_TRUE(waitForText(IDC_SEARCH_FIELD, L"chien"));
    EXPECT_TRUE(waitForText(IDC_FIRST_HEADWORD, L"chien"));
    EXPECT_EQ(text(IDC_FIRST_TRANSLATION), L"dog");

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return IsWindowVisible(main) != FALSE; }, 10000));
    PostMessageW(main, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(driver::waitForExit(norva, 15000), 0);
    char top[16] = {};
    GetProfileStringA("Dictionary", "WinPosTopTranslate", "", top, sizeof top);
    EXPECT_STRNE(top, "");
}

}  // namespace
