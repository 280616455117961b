// The list editor of the real norva.exe, driven from another process:
// opened by the main window's command, words added by clicks into two
// lists chosen by their menu commands, the choice kept at exit; the files
// compared byte for byte with the dictionary's records. (Wine keeps a
// menu's items in the process that owns it: the Lists menu itself is read
// by the in-process window tests.)
#include <windows.h>

#include <gtest/gtest.h>

#include "driver.h"
#include "installation.h"
#include "testsupport.h"

namespace {

void clickInto(HWND box) {
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

// A control's text asked from the control itself (GetWindowText gives only
// the caption kept for windows of another process).
std::wstring controlText(HWND control) {
    wchar_t text[64] = {};
    SendMessageW(control, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

class ListEditorE2E : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    driver::Program norva;
    void SetUp() override { WriteProfileStringA("Dictionary", nullptr, nullptr); }
    void TearDown() override {
        if (norva.process) driver::waitForExit(norva, 0);  // ends it after a failure
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
};

TEST_F(ListEditorE2E, ClicksIntoTwoListsAndTheChoiceKept) {
    test::prepareInstallation({});
    test::writeWordFile("language\\Fre_Eng.wb",
                        {{"chat", "cat"}, {"chien", "dog"}, {"oie", "goose"}});
    test::makeFolders("list\\zoo");
    test::makeFolders("list\\Birds");
    norva = driver::start(driver::binFolder() + L"norva.exe", L"", folder.path().wstring());
    HWND main = driver::waitForWindow(norva, L"norva", 15000);
    ASSERT_NE(main, nullptr);
    SendMessageW(main, WM_COMMAND, 13, 0);
    HWND editor = driver::waitForWindow(norva, L"lijst", 15000);
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));

    clickInto(GetDlgItem(editor, 122));        // oie into Birds
    SendMessageW(editor, WM_COMMAND, 401, 0);  // Lists > zoo
    clickInto(GetDlgItem(editor, 120));        // chat into zoo, twice
    clickInto(GetDlgItem(editor, 120));
    EXPECT_EQ(controlText(GetDlgItem(editor, 101)), L"chat");
    SendMessageW(GetDlgItem(editor, 14), BM_CLICK, 0, 0);  // Done
    EXPECT_TRUE(IsWindowVisible(main));
    PostMessageW(main, WM_COMMAND, 3, 0);
    EXPECT_EQ(driver::waitForExit(norva, 15000), 0);

    const std::string dictionary = test::readBytes("language\\Fre_Eng.wb");
    EXPECT_EQ(test::readBytes("list\\Birds\\Fre_Eng.ls"), dictionary.substr(2 * 84, 84));
    EXPECT_EQ(test::readBytes("list\\zoo\\Fre_Eng.ls"),
              dictionary.substr(0, 84) + dictionary.substr(0, 84));
    char value[32] = {};
    GetProfileStringA("Dictionary", "PracticeList", "", value, sizeof value);
    EXPECT_STREQ(value, "zoo");
    GetProfileStringA("Dictionary", "ListID", "", value, sizeof value);
    EXPECT_STREQ(value, "401");
}

}  // namespace
