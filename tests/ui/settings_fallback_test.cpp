// The program's settings where win.ini cannot be written: the real start-up
// and exit, run again and again in-process, with win.ini's writes failing.
#include <gtest/gtest.h>
#include <windows.h>

#include "appsettings.h"
#include "files.h"
#include "ids.h"
#include "installation.h"
#include "listfolders.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "settingsstore.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"
#include "wordrecord.h"
#include "wordstore.h"

namespace {

int noBox(HWND, const std::wstring&, const std::wstring&, UINT) { return IDOK; }

std::string iniValue(const char* key) {
    char value[200] = {};
    GetProfileStringA("Dictionary", key, "(none)", value, sizeof value);
    return value;
}

std::string userValue(const char* key) {
    ProfileText profile;
    std::string value = "(none)";
    if (readProfileFile(userSettingsFile(), profile)) profile.find("Dictionary", key, value);
    return value;
}

class SettingsFallbackTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::InstallationSetup setup;
    void SetUp() override {
        cleanSlate();
        setMessageBoxRecorder(noBox);
        test::prepareInstallation(setup);
        test::makeFolders("list\\verbs");
        test::makeFolders("list\\animals");
    }
    void TearDown() override {
        if (mainWindow()) DestroyWindow(mainWindow());
        failWinIniWritesForTests(false);
        cleanSlate();
    }
    static void cleanSlate() {
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        DeleteFileA(userSettingsFile().c_str());
    }
    void start() {
        int exitCode = -1;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
        ASSERT_NE(mainWindow(), nullptr);
    }
    POINT mainPosition() {
        RECT r;
        GetWindowRect(mainWindow(), &r);
        return {r.left, r.top};
    }
    bool stayOnTopShown() {
        bool checked =
            GetMenuState(GetMenu(mainWindow()), IDM_STAY_ON_TOP, MF_BYCOMMAND) & MF_CHECKED;
        bool topMost = GetWindowLongW(mainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST;
        EXPECT_EQ(checked, topMost);
        return topMost;
    }
    // One run: the settings the previous run left are in force; then the
    // window moves, stay on top flips and another list becomes current.
    void run(POINT expectedAt, bool expectedOnTop, const char* expectedList, POINT moveTo,
             const char* nextList) {
        start();
        EXPECT_EQ(mainPosition().x, expectedAt.x);
        EXPECT_EQ(mainPosition().y, expectedAt.y);
        EXPECT_EQ(stayOnTopShown(), expectedOnTop);
        EXPECT_STREQ(wordStore.currentListName, expectedList);
        SetWindowPos(mainWindow(), nullptr, moveTo.x, moveTo.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SendMessageW(mainWindow(), WM_COMMAND, IDM_STAY_ON_TOP, 0);
        copyField(wordStore.currentListName, sizeof wordStore.currentListName, nextList);
        practiceLists.listId = nextList[0] == 'v' ? 401 : 402;
        DestroyWindow(mainWindow());
    }
};

TEST_F(SettingsFallbackTest, KeysSurviveRestartsInTheUserFileOnceWinIniRefusesThem) {
    WriteProfileStringA("Dictionary", "EnglishAviDelay", "1500");  // the installer's key
    WriteProfileStringA("Dictionary", "WinPosLeftSearch", "7");    // a window not opened
    WriteProfileStringA("Dictionary", "WinPosTopSearch", "8");

    // While win.ini takes the writes, it is all there is.
    const int outerHeight = 332 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    const POINT centred = {(GetSystemMetrics(SM_CXSCREEN) - 565) / 2,
                           (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2};
    run(centred, false, "animals", {40, 30}, "verbs");  // no list kept: the first one
    EXPECT_EQ(iniValue("WinPosLeftMain"), "40");
    EXPECT_EQ(iniValue("StayOnTop"), "1");
    EXPECT_EQ(iniValue("PracticeList"), "verbs");
    EXPECT_FALSE(fileExists(userSettingsFile()));

    // win.ini refuses from now on: read as it is, the section moves at exit.
    failWinIniWritesForTests(true);
    run({40, 30}, true, "verbs", {100, 120}, "animals");
    EXPECT_EQ(iniValue("WinPosLeftMain"), "40");  // win.ini unchanged
    EXPECT_EQ(iniValue("StayOnTop"), "1");
    EXPECT_EQ(userValue("WinPosLeftMain"), "100");
    EXPECT_EQ(userValue("WinPosTopMain"), "120");
    EXPECT_EQ(userValue("StayOnTop"), "0");
    EXPECT_EQ(userValue("ClipSearch"), "0");
    EXPECT_EQ(userValue("PracticeList"), "animals");
    EXPECT_EQ(userValue("ListID"), "402");
    EXPECT_EQ(userValue("EnglishAviDelay"), "1500");  // the whole section came along
    EXPECT_EQ(userValue("WinPosTopSearch"), "8");

    // Three more runs keep what the last one left.
    run({100, 120}, false, "animals", {200, 210}, "verbs");
    EXPECT_EQ(appSettings.aviDelay, 1500);
    run({200, 210}, true, "verbs", {300, 310}, "animals");
    run({300, 310}, false, "animals", {300, 310}, "animals");
    EXPECT_EQ(savedPosition(PositionKind::Search).left, 7);
    EXPECT_EQ(iniValue("PracticeList"), "verbs");  // still as the first run left it
}

}  // namespace
