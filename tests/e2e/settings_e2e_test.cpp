// Both programs' manifests read back from their resources, and the real
// norva.exe keeping its settings across restarts where win.ini cannot be written.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>

#include "driver.h"
#include "installation.h"
#include "settingsstore.h"
#include "testsupport.h"

namespace {

std::string manifestOf(const std::wstring& exe) {
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return std::string();
    std::string text;
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const void* bytes = LockResource(LoadResource(module, found));
        if (bytes) text.assign(static_cast<const char*>(bytes), SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

TEST(Manifests, BothProgramsRunAsTheUserOnWindows7To11ScaledByTheSystem) {
    const std::string norva = manifestOf(driver::binFolder() + L"norva.exe");
    ASSERT_FALSE(norva.empty());
    EXPECT_EQ(manifestOf(driver::binFolder() + L"install.exe"), norva);
    for (const char* part : {
             "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
             "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",  // 7
             "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",  // 8
             "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",  // 8.1
             "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",  // 10, 11
             "WindowsSettings\">false</dpiAware>",
             "WindowsSettings\">unaware</dpiAwareness>",
             "WindowsSettings\">true</gdiScaling>",
         })
        EXPECT_NE(norva.find(part), std::string::npos) << part;
    // Classic controls: no dependency on common controls 6.
    EXPECT_EQ(norva.find("<dependency>"), std::string::npos);
}

std::string winIniPath() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\win.ini";
}

std::string userValue(const char* key) {
    ProfileText profile;
    std::string value = "(none)";
    if (readProfileFile(userSettingsFile(), profile)) profile.find("Dictionary", key, value);
    return value;
}

// win.ini replaced by a folder of that name: every profile write fails, as on
// a system where the program may not write win.ini (the tests run with
// rights that file permissions cannot take away). Its text comes back after.
class UnwritableWinIniE2E : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::InstallationSetup setup;
    std::deque<driver::Program> started;
    std::string savedWinIni;

    void SetUp() override {
        RemoveDirectoryA(winIniPath().c_str());  // left by an interrupted run
        DeleteFileA(userSettingsFile().c_str());
        savedWinIni = test::readBytes(winIniPath());
        ASSERT_TRUE(DeleteFileA(winIniPath().c_str()));
        ASSERT_TRUE(CreateDirectoryA(winIniPath().c_str(), nullptr));
        test::prepareInstallation(setup);
        test::makeFolders("list\\animals");
        test::makeFolders("list\\verbs");
    }
    void TearDown() override {
        for (driver::Program& p : started)
            if (p.process) driver::waitForExit(p, 0);
        RemoveDirectoryA(winIniPath().c_str());
        test::writeBytes(winIniPath(), savedWinIni);
        DeleteFileA(userSettingsFile().c_str());
    }
    static bool topMost(HWND window) {
        return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }
    static bool waitForTopMost(HWND window, bool on) {
        for (DWORD end = GetTickCount() + 5000; GetTickCount() < end; Sleep(10))
            if (topMost(window) == on) return true;
        return false;
    }
};

TEST_F(UnwritableWinIniE2E, PositionStayOnTopAndPracticeListKeptAcrossThreeRestarts) {
    ASSERT_FALSE(WriteProfileStringA("Dictionary", "Probe", "1")) << "win.ini took a write";
    const int outerHeight = 332 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    POINT at = {(GetSystemMetrics(SM_CXSCREEN) - 565) / 2,
                (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2};  // first start: centred
    bool onTop = false;
    for (int runNumber = 0; runNumber < 4; ++runNumber) {
        SCOPED_TRACE(runNumber);
        started.push_back(
            driver::start(driver::binFolder() + L"norva.exe", L"", folder.path().wstring()));
        driver::Program& norva = started.back();
        HWND main = driver::waitForWindow(norva, L"norva", 15000);
        ASSERT_NE(main, nullptr);
        RECT r;
        GetWindowRect(main, &r);
        EXPECT_EQ(r.left, at.x);
        EXPECT_EQ(r.top, at.y);
        EXPECT_EQ(topMost(main), onTop);

        at = {100 + 50 * runNumber, 120 + 40 * runNumber};
        onTop = !onTop;
        SetWindowPos(main, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PostMessageW(main, WM_COMMAND, 55, 0);  // File > Stay on top
        EXPECT_TRUE(waitForTopMost(main, onTop));
        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_EQ(driver::waitForExit(norva, 15000), 0);

        EXPECT_EQ(userValue("WinPosLeftMain"), std::to_string(at.x));
        EXPECT_EQ(userValue("WinPosTopMain"), std::to_string(at.y));
        EXPECT_EQ(userValue("StayOnTop"), onTop ? "1" : "0");
        // The first start takes the first list; a list that would come
        // before it now does not replace the one kept.
        EXPECT_EQ(userValue("PracticeList"), "animals");
        EXPECT_EQ(userValue("ListID"), "400");
        test::makeFolders("list\\aardvarks");
    }
}

TEST_F(UnwritableWinIniE2E, InstallerIntroDelayGoesToTheUserFileToo) {
    test::makeFolders("dist");
    test::writeBytes("dist\\install.inf", "avidelay 250\r\n");
    for (const char* delay : {"250", "300"}) {
        started.push_back(
            driver::start(driver::binFolder() + L"install.exe",
                          L"/quiet /dir=\"" + (folder.path() / "target").wstring() + L"\"",
                          (folder.path() / "dist").wstring()));
        ASSERT_EQ(driver::waitForExit(started.back(), 30000), 0);
        EXPECT_EQ(userValue("RavidiCyrAviDelay"), delay);  // the edition's key
        test::writeBytes("dist\\install.inf", "avidelay 300\r\n");
    }
    EXPECT_EQ(test::readBytes(userSettingsFile()), "[Dictionary]\r\nRavidiCyrAviDelay=300\r\n");
}

}  // namespace
