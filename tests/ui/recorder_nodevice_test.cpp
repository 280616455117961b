// The recorder on a system without a waveaudio device (the test runs with
// Wine's MCI wave driver switched off): every command
// fails, each failure is reported with the platform's text, and the
// recorder goes on as if the command had worked.
#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ids.h"
#include "installation.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"
#include "windowtext.h"

namespace {

struct Box {
    std::wstring text, caption;
    UINT flags;
};
std::vector<Box> boxes;
int recordBox(HWND, const std::wstring& text, const std::wstring& caption, UINT flags) {
    boxes.push_back({text, caption, flags});
    return IDOK;
}

bool isMciError(const Box& box) {
    return box.caption == L"MCI Error" && !box.text.empty() &&
           (box.flags & MB_ICONMASK) == MB_ICONEXCLAMATION;
}

TEST(RecorderWithoutDevice, EveryFailingCommandIsReportedAndTheRecorderGoesOn) {
    test::ScratchFolder folder;
    const MCIERROR probe =
        mciSendStringW(L"open new type waveaudio alias probe", nullptr, 0, nullptr);
    if (!probe) mciSendStringW(L"close probe", nullptr, 0, nullptr);
    REQUIRE_FIXTURE(probe != 0, "a run without the waveaudio device");
    WriteProfileStringA("Dictionary", nullptr, nullptr);
    setMessageBoxRecorder(recordBox);
    test::prepareInstallation({});
    test::writeWordFile("language\\Fre_Eng.wb", {{"chat", "cat"}, {"chien", "dog"}});
    int exitCode = 0;
    ASSERT_TRUE(startProgram("record", SW_SHOWNORMAL, exitCode));
    SendMessageW(mainWindow(), WM_COMMAND, IDM_RECORD, 0);
    HWND recorder = FindWindowW(L"record", nullptr);
    ASSERT_NE(recorder, nullptr);
    HWND button = GetDlgItem(recorder, IDC_RECORD_BUTTON);
    HWND word = GetDlgItem(recorder, IDC_HEADWORD_BOX);  // the first of the three texts

    SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);  // open fails, then record
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(isMciError(boxes[0]));
    EXPECT_EQ(boxes[1].text, L"Can't open new sound   ");
    EXPECT_EQ(boxes[1].caption, L"Error");
    EXPECT_EQ(boxes[1].flags & MB_ICONMASK, 0u);
    EXPECT_TRUE(isMciError(boxes[2]));
    EXPECT_EQ(windowText(button), L"Stop recording");

    boxes.clear();
    SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);  // stop, save and close fail
    ASSERT_EQ(boxes.size(), 3u);
    for (const Box& box : boxes) EXPECT_TRUE(isMciError(box));
    EXPECT_EQ(windowText(button), L"Start recording");
    EXPECT_EQ(windowText(word), L"chien");
    EXPECT_TRUE(std::filesystem::is_empty("sound\\French"));

    // Closing while "recording" stops the device, each failure reported.
    boxes.clear();
    SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
    boxes.clear();
    SendMessageW(recorder, WM_CLOSE, 0, 0);
    EXPECT_EQ(boxes.size(), 3u);
    EXPECT_FALSE(IsWindow(recorder));
    EXPECT_EQ(GetProfileIntA("Dictionary", "lastrecord_French", -1), 1u);

    DestroyWindow(mainWindow());
    WriteProfileStringA("Dictionary", nullptr, nullptr);
    setMessageBoxRecorder(nullptr);
}

}  // namespace
