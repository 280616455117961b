// norva.exe started with "record" and driven from outside as its user
// would: the Record button, Space twice, Exit, closing. What it leaves:
// the pronunciation file and the position in win.ini.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "driver.h"
#include "installation.h"
#include "testsupport.h"

namespace {

bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs = 15000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

TEST(RecorderE2E, RecordsTheShownHeadwordAndKeepsThePosition) {
    REQUIRE_FIXTURE(std::getenv("PULSE_SERVER"), "a PulseAudio server (scripts/test.sh)");
    test::ScratchFolder folder;
    WriteProfileStringA("Dictionary", nullptr, nullptr);
    test::prepareInstallation({});
    test::writeWordFile("language\\Fre_Eng.wb", {{"chat", "cat"}, {"chien", "dog"}});
    driver::Program norva =
        driver::start(driver::binFolder() + L"norva.exe", L"record", folder.path().wstring());
    HWND main = driver::waitForWindow(norva, L"norva", 15000);
    ASSERT_NE(main, nullptr);
    HWND recordButton = GetDlgItem(main, 25);
    ASSERT_NE(recordButton, nullptr);
    EXPECT_EQ(driver::windowText(recordButton), L"Record");
    PostMessageW(recordButton, BM_CLICK, 0, 0);
    HWND recorder = driver::waitForWindow(norva, L"record", 15000);
    ASSERT_NE(recorder, nullptr);
    HWND button = GetDlgItem(recorder, 26);

    PostMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(waitUntil([&] { return driver::windowText(button) == L"Stop recording"; }));
    PostMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(waitUntil([&] { return driver::windowText(button) == L"Start recording"; }));
    EXPECT_EQ(driver::windowText(GetDlgItem(recorder, 45)), L"chien");
    const std::string wave = test::readBytes("sound\\French\\chat.wav");
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(wave.substr(8, 4), "WAVE");

    PostMessageW(GetDlgItem(recorder, 14), BM_CLICK, 0, 0);  // Exit
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(driver::waitForExit(norva, 15000), 0);
    EXPECT_EQ(GetProfileIntA("Dictionary", "lastrecord_French", -1), 1u);
    WriteProfileStringA("Dictionary", nullptr, nullptr);
}

}  // namespace
