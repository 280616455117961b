// The About box: the animation plays in its frame and the box closes with OK;
// without dict.avi it shows without animation.
#include <windows.h>

#include <vfw.h>

#include <gtest/gtest.h>

#include "aboutbox.h"
#include "ids.h"
#include "installation.h"
#include "languagemenu.h"
#include "mainwindow.h"
#include "norvaversion.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"

namespace {

struct Seen {
    HWND video = nullptr;
    HWND dialog = nullptr;
    LONG firstPosition = -1, laterPosition = -1;
    RECT videoRect{};
    std::wstring versionLine;
    int ticks = 0;
};
Seen seen;

constexpr UINT kWatchPeriod = 20;       // ms between looks at the box
constexpr int kWatchTicks = 5000 / 20;  // gives up after five seconds

// Looks at the open box until its animation has moved on from the frame
// first seen (or at once when it has none, or at the deadline), then
// presses OK.
void CALLBACK watchAboutBox(HWND window, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (!dialog) return;
    seen.dialog = dialog;
    seen.video = aboutVideoWindow();
    wchar_t line[128] = {};
    GetDlgItemTextW(dialog, IDC_ABOUT_VERSION, line, 128);
    seen.versionLine = line;
    bool done = !seen.video || ++seen.ticks >= kWatchTicks;
    if (seen.video) {
        LONG position = MCIWndGetPosition(seen.video);
        if (seen.firstPosition < 0) seen.firstPosition = position;
        seen.laterPosition = position;
        done = done || position != seen.firstPosition;
        GetWindowRect(seen.video, &seen.videoRect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&seen.videoRect), 2);
    }
    if (done) {
        KillTimer(window, id);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
}

std::wstring binFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.rfind(L'\\') + 1);
}

class AboutBoxTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    void SetUp() override {
        seen = Seen{};
        // A quit message left by an earlier main window would end the box at once.
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        test::prepareInstallation({});
        int exitCode = 0;
        ASSERT_TRUE(startProgram("", SW_SHOWNORMAL, exitCode));
    }
    void TearDown() override {
        if (mainWindow()) DestroyWindow(mainWindow());
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    void openAndWatch() {
        SetTimer(mainWindow(), 1, kWatchPeriod, watchAboutBox);
        SendMessageW(mainWindow(), WM_COMMAND, IDM_ABOUT, 0);  // returns when OK closes it
    }
};

TEST_F(AboutBoxTest, AnimationPlaysInItsFrame) {
    std::wstring avi = binFolder() + L"dict.avi";
    REQUIRE_FIXTURE(GetFileAttributesW(avi.c_str()) != INVALID_FILE_ATTRIBUTES,
                    "dict.avi, which the build makes");
    ASSERT_TRUE(CopyFileW(avi.c_str(), L"dict.avi", FALSE));
    openAndWatch();
    ASSERT_NE(seen.dialog, nullptr);
    ASSERT_NE(seen.video, nullptr);
    EXPECT_EQ(seen.videoRect.left, 10);
    EXPECT_EQ(seen.videoRect.top, 11);
    EXPECT_NE(seen.firstPosition, seen.laterPosition);  // the frames advance
    EXPECT_FALSE(IsWindow(seen.dialog));
    EXPECT_EQ(aboutVideoWindow(), nullptr);
}

TEST_F(AboutBoxTest, WithoutTheAnimationTheBoxStillOpens) {
    openAndWatch();
    ASSERT_NE(seen.dialog, nullptr);
    EXPECT_EQ(seen.video, nullptr);
    EXPECT_EQ(seen.versionLine, L"Version " TEXT(NORVA_VERSION));
    EXPECT_FALSE(IsWindow(seen.dialog));
}

}  // namespace
