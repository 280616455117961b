// The pictures built into the programs and shipped beside them, as Windows
// loads them: the program icon and the clock frames from the resources, the
// installer icon from install.exe, logo.bmp from a file, and dict.avi played
// in a video window.
#include <windows.h>

#include <vfw.h>

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

std::wstring besideTheTests(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP bm = {};
    GetObjectW(bitmap, sizeof bm, &bm);
    return {bm.bmWidth, bm.bmHeight};
}

int brightness(COLORREF c) {
    return (30 * GetRValue(c) + 59 * GetGValue(c) + 11 * GetBValue(c)) / 100;
}

// A memory picture of the given size, filled with one colour, to draw on.
class Canvas {
   public:
    Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
    int count(COLORREF c) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) n += at(x, y) == c;
        return n;
    }

   private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// Draws the icon on green: the background must show round it, and it must
// hold red (the book's cover) or grey (the disk).
void checkIcon(HICON icon, int size, COLORREF expected) {
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    ASSERT_NE(info.hbmColor, nullptr);
    SIZE s = bitmapSize(info.hbmColor);
    EXPECT_EQ(s.cx, size);
    EXPECT_EQ(s.cy, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    const COLORREF green = RGB(0, 160, 0);
    Canvas canvas(size, size, green);
    ASSERT_TRUE(DrawIconEx(canvas.dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(canvas.at(0, 0), green);
    EXPECT_EQ(canvas.at(size - 1, 0), green);
    EXPECT_GT(canvas.count(expected), size * size / 10);
    EXPECT_LT(canvas.count(green), size * size * 3 / 4);
}

TEST(ProgramIcon, LoadsAt32And16Pixels) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        HICON icon =
            static_cast<HICON>(LoadImageW(instance, L"NORVAICON", IMAGE_ICON, size, size, 0));
        checkIcon(icon, size, RGB(255, 0, 0));
        DestroyIcon(icon);
    }
}

TEST(InstallerIcon, LoadsFromInstallExe) {
    std::wstring path = besideTheTests(L"install.exe");
    HMODULE installer = LoadLibraryExW(path.c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(installer, nullptr) << "install.exe is built beside the tests";
    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        HICON icon =
            static_cast<HICON>(LoadImageW(installer, L"INSTALLICON", IMAGE_ICON, size, size, 0));
        checkIcon(icon, size, RGB(128, 128, 128));
        DestroyIcon(icon);
    }
    FreeLibrary(installer);
}

// Frame k's hour hand points to k o'clock: the point 5.5 pixels from the
// centre in that direction is dark in frame k and khaki in the frame whose
// hand points the other way.
TEST(ClockFrames, TwelveBitmapsWithTheHourHandAtK) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HBITMAP frames[13] = {};
    for (int k = 1; k <= 12; ++k) {
        frames[k] = LoadBitmapW(instance, MAKEINTRESOURCEW(k));
        ASSERT_NE(frames[k], nullptr) << k;
        SIZE s = bitmapSize(frames[k]);
        EXPECT_EQ(s.cx, 30) << k;
        EXPECT_EQ(s.cy, 30) << k;
    }
    auto pixel = [&](int k, int x, int y) {
        Canvas canvas(30, 30, RGB(0, 0, 255));
        HDC source = CreateCompatibleDC(canvas.dc());
        HGDIOBJ old = SelectObject(source, frames[k]);
        BitBlt(canvas.dc(), 0, 0, 30, 30, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        return canvas.at(x, y);
    };
    for (int k = 1; k <= 12; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(pixel(k, 0, 0), RGB(255, 255, 255));  // white: transparent
        EXPECT_EQ(pixel(k, 29, 29), RGB(255, 255, 255));
        EXPECT_LT(brightness(pixel(k, 14, 7)), 100);  // the minute hand at 12
        if (k == 12) continue;                        // under the minute hand
        const double angle = k * 30 * 3.14159265358979 / 180;
        int x = static_cast<int>(15 + 5.5 * std::sin(angle));
        int y = static_cast<int>(15 - 5.5 * std::cos(angle));
        int opposite = (k + 5) % 12 + 1;
        EXPECT_LT(brightness(pixel(k, x, y)), 110);
        EXPECT_GT(brightness(pixel(opposite, x, y)), 160);
    }
    for (int k = 1; k <= 12; ++k) DeleteObject(frames[k]);
}

TEST(Logo, LoadsFromItsFileWithTheKeyColourTopLeft) {
    std::wstring path = besideTheTests(L"logo.bmp");
    HBITMAP logo = static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    ASSERT_NE(logo, nullptr);
    SIZE s = bitmapSize(logo);
    EXPECT_LE(s.cx, 565);
    EXPECT_LE(s.cy, 96);
    EXPECT_GE(s.cx, 300);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, logo);
    COLORREF key = GetPixel(dc, 0, 0);
    EXPECT_EQ(key, RGB(255, 0, 255));
    int drawn = 0;
    for (int x = 0; x < s.cx; x += 2)
        for (int y = 0; y < s.cy; y += 2) drawn += GetPixel(dc, x, y) != key;
    EXPECT_GT(drawn, s.cx * s.cy / 4 / 10);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(logo);
}

// dict.avi opens in the video window the About box uses, at its own size,
// and its frames advance while it plays.
TEST(Animation, PlaysInAVideoWindow) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"picturestest";
    RegisterClassW(&wc);
    HWND host = CreateWindowW(L"picturestest", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 160, nullptr,
                              nullptr, wc.hInstance, nullptr);
    ASSERT_NE(host, nullptr);
    std::wstring path = besideTheTests(L"dict.avi");
    HWND video = MCIWndCreateW(
        host, wc.hInstance,
        WS_CHILD | WS_VISIBLE | MCIWNDF_NOMENU | MCIWNDF_NOPLAYBAR | MCIWNDF_NOERRORDLG,
        path.c_str());
    ASSERT_NE(video, nullptr);
    EXPECT_NE(MCIWndGetDeviceID(video), 0u);
    long frames = MCIWndGetLength(video);
    EXPECT_GE(frames, 20);
    EXPECT_LE(frames, 45);
    RECT source = {};
    MCIWndGetSource(video, &source);
    EXPECT_GE(source.right - source.left, 100);
    EXPECT_LE(source.right - source.left, 160);
    EXPECT_GE(source.bottom - source.top, 100);
    EXPECT_LE(source.bottom - source.top, 140);

    EXPECT_EQ(MCIWndPlay(video), 0);
    long position = 0;
    for (DWORD end = GetTickCount() + 3000; GetTickCount() < end && position < 5;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        position = MCIWndGetPosition(video);
        Sleep(20);
    }
    EXPECT_GE(position, 5);
    MCIWndStop(video);
    MCIWndDestroy(video);
    DestroyWindow(host);
    UnregisterClassW(L"picturestest", wc.hInstance);
}

}  // namespace
