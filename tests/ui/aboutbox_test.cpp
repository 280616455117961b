// The About box: the animation plays in its frame and the box closes with OK;
// without dict.avi it shows without animation.
#include "aboutbox.h"

#include <gtest/gtest.h>
#include <vfw.h>
#include <windows.h>

#include "installation.h"
#include "mainwindow.h"
#include "startup.h"
#include "testsupport.h"

namespace {

struct Seen {
    HWND video = nullptr;
    HWND dialog = nullptr;
    LONG firstPosition = -1, laterPosition = -1;
    RECT videoRect{};
    int ticks = 0;
};
Seen seen;

// Looks at the open box twice, some time apart, then presses OK.
void CALLBACK watchAboutBox(HWND window, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (!dialog) return;
    seen.dialog = dialog;
    seen.video = aboutVideoWindow();
    if (seen.video) {
        LONG position = MCIWndGetPosition(seen.video);
        if (seen.ticks == 0)
            seen.firstPosition = position;
        else
            seen.laterPosition = position;
        GetWindowRect(seen.video, &seen.videoRect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&seen.videoRect), 2);
    }
    if (++seen.ticks == 2) {
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
        SetTimer(mainWindow(), 1, 600, watchAboutBox);
        SendMessageW(mainWindow(), WM_COMMAND, cmd::kAbout, 0);  // returns when OK closes it
    }
};

TEST_F(AboutBoxTest, AnimationPlaysInItsFrame) {
    std::wstring avi = binFolder() + L"dict.avi";
    if (GetFileAttributesW(avi.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no dict.avi built";
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
    EXPECT_FALSE(IsWindow(seen.dialog));
}

}  // namespace
