// aboutbox.cpp — the About box: dict.avi played, then replayed after
// `aviDelay` milliseconds (a mouse press ends the pause early).
#include "aboutbox.h"

#include <vfw.h>
#include <windowsx.h>

#include "appsettings.h"
#include "ids.h"
#include "norvaversion.h"
#include "uilanguage.h"

namespace {

struct AboutBox {
    HWND dialog = nullptr;
    HWND video = nullptr;
    bool lastPlayOk = false;  // a failed play request ends the replays
};
AboutBox g;

constexpr UINT_PTR kReplayTimer = 1;
constexpr POINT kVideoAt = {10, 11};

void play() {
    MCI_PLAY_PARMS params = {};
    params.dwCallback = reinterpret_cast<DWORD_PTR>(g.dialog);
    params.dwFrom = 0;
    MCIDEVICEID device = MCIWndGetDeviceID(g.video);
    g.lastPlayOk = device != 0 && mciSendCommandW(device, MCI_PLAY, MCI_FROM | MCI_NOTIFY,
                                                  reinterpret_cast<DWORD_PTR>(&params)) == 0;
}

// The video window at its own size, or none when dict.avi is missing or
// cannot be played (the dialog then shows without animation).
void createVideo() {
    if (GetFileAttributesW(L"dict.avi") == INVALID_FILE_ATTRIBUTES) return;
    g.video = MCIWndCreateW(
        g.dialog, GetModuleHandleW(nullptr),
        WS_CHILD | WS_VISIBLE | MCIWNDF_NOMENU | MCIWNDF_NOPLAYBAR | MCIWNDF_NOERRORDLG,
        L"dict.avi");
    if (g.video && MCIWndGetDeviceID(g.video) == 0) {
        MCIWndDestroy(g.video);
        g.video = nullptr;
    }
    if (!g.video) return;
    // Above the frame it sits in, which would otherwise paint over it.
    SetWindowPos(g.video, HWND_TOP, kVideoAt.x, kVideoAt.y, 0, 0, SWP_NOSIZE);
    MCIWndSetRepeat(g.video, TRUE);  // not every platform repeats: the end notification replays
    play();
}

// The version line holds "%s" where the project's version number goes, so
// that every language writes it its own way and the number lives in one place.
void showVersion() {
    wchar_t pattern[128] = {};
    GetDlgItemTextW(g.dialog, IDC_ABOUT_VERSION, pattern, 128);
    SetDlgItemTextW(g.dialog, IDC_ABOUT_VERSION,
                    fillPlaceholders(pattern, {TEXT(NORVA_VERSION)}).c_str());
}

void replayNow() {
    KillTimer(g.dialog, kReplayTimer);
    if (g.video && g.lastPlayOk) play();
}

void onPlayEnded(WPARAM status) {
    if (status != MCI_NOTIFY_SUCCESSFUL || !g.lastPlayOk || !g.video) return;
    if (appSettings.aviDelay > 0)
        SetTimer(g.dialog, kReplayTimer, static_cast<UINT>(appSettings.aviDelay), nullptr);
    else
        play();
}

void close(HWND dialog, int result) {
    KillTimer(dialog, kReplayTimer);
    if (g.video) MCIWndDestroy(g.video);
    g = AboutBox{};
    EndDialog(dialog, result);
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            g.dialog = dialog;
            showVersion();
            createVideo();
            return TRUE;
        case MM_MCINOTIFY: onPlayEnded(wp); return TRUE;
        case WM_TIMER:
            if (wp == kReplayTimer) replayNow();
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // A mouse press ends the pause between two runs early.
            if (g.video && g.lastPlayOk && KillTimer(dialog, kReplayTimer)) play();
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
                close(dialog, LOWORD(wp));
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

HWND aboutVideoWindow() { return g.video; }

void showAboutBox(HWND owner) {
    DialogBoxParamW(GetModuleHandleW(nullptr), resourceName("ABOUTBOX").c_str(), owner, aboutProc,
                    0);
}
