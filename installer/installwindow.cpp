// installwindow.cpp — the installer window: controls, painting, Start, Stop
// and the folder chooser.
#include "installwindow.h"

#include <windowsx.h>

#include "controls.h"
#include "controltable.h"
#include "edition.h"
#include "fieldoptions.h"
#include "folderchooser.h"
#include "installmessage.h"
#include "installpaint.h"
#include "installsequence.h"
#include "widepath.h"
#include "windowtext.h"
#include "windowview.h"
#include "winplatform.h"

namespace {

struct InstallWindow {
    HWND hwnd{};
    HFONT titleFont{};
    ScriptSettings settings;
    FilePath sourceFolder;
    std::wstring initialFolder;
    bool installing = false;  // Start runs to its end; nothing else acts meanwhile
};
InstallWindow g;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
// List boxes keep the height of the layout (no integral-height shrinking).
constexpr DWORD kList =
    WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

const ControlSpec kControls[] = {
    {kPanel, L"STATIC", L"", 110, 138, 440, 110, kChild | WS_BORDER | WS_CLIPSIBLINGS, 0},
    {kFolderLabel, L"STATIC", L"Install in Directory :", 120, 148, 420, 22, kChild, 0},
    {kFolderField, L"EDIT", L"", 120, 170, 420, 25, kChild | WS_BORDER | WS_TABSTOP,
     WS_EX_CLIENTEDGE},
    {kStartButton, L"BUTTON", L"Start", 120, 205, 100, 30, kChild | BS_PUSHBUTTON, 0},
    {kChangeFolderButton, L"BUTTON", L"Change Directory", 230, 205, 200, 30, kChild | BS_PUSHBUTTON,
     0},
    {kStopButton, L"BUTTON", L"Stop", 440, 205, 100, 30, kChild | BS_PUSHBUTTON, 0},
    {kDriveLabel, L"STATIC", L"Drive :", 120, 260, 150, 20, WS_CHILD, 0},
    {kFolderListLabel, L"STATIC", L"Directory :", 280, 260, 260, 20, WS_CHILD, 0},
    {kDriveList, L"LISTBOX", L"", 120, 280, 150, 100, kList, WS_EX_CLIENTEDGE},
    {kFolderList, L"LISTBOX", L"", 280, 280, 260, 180, kList, WS_EX_CLIENTEDGE},
};

void createWindowControls(HWND hwnd) {
    createControls(hwnd, kControls, {0, 0}, nullptr);
    // The panel is the background of the other controls: below them, and
    // drawing only where they are not.
    SetWindowPos(GetDlgItem(hwnd, kPanel), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND field = GetDlgItem(hwnd, kFolderField);
    SetWindowTextW(field, g.initialFolder.c_str());
    subclassField(field, {{VK_RETURN}});  // Enter in the folder field is Start
}

// The folder as typed, exactly: any folder the system can name will do.
FilePath folderFieldText(HWND hwnd) {
    return pathOfWide(windowText(GetDlgItem(hwnd, kFolderField)));
}

void onStart(HWND hwnd) {
    g.installing = true;
    WindowView view(hwnd, g.titleFont, g.settings.statusLinesOn);
    WinPlatform platform;
    InstallContext context{installEdition(), g.settings, g.sourceFolder, platform, view};
    InstallOutcome outcome = runInstallation(context, folderFieldText(hwnd));
    switch (outcome.status) {
        case InstallStatus::InvalidFolder:
            // The user may correct the field and start again.
            showInstallMessage(hwnd, outcome.error, "Error", MB_OK | MB_ICONERROR);
            g.installing = false;
            return;
        case InstallStatus::Fatal: fatalReport(hwnd, outcome.error);
        case InstallStatus::Done: DestroyWindow(hwnd); return;
    }
}

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g.hwnd = hwnd;
    CoInitialize(nullptr);  // the shell's link object, for the shortcut
    createWindowControls(hwnd);
    return TRUE;
}

void onCommand(HWND hwnd, int id, HWND, UINT code) {
    if (g.installing) return;
    switch (id) {
        case kStartButton:
            if (code == BN_CLICKED) onStart(hwnd);
            break;
        case kFolderField:
            if (code == kFieldKeyNotification) onStart(hwnd);
            break;
        case kStopButton:
            if (code == BN_CLICKED) DestroyWindow(hwnd);
            break;
        case kChangeFolderButton:
            // Once only: the button stays disabled, also for a click sent to the window.
            if (code == BN_CLICKED && IsWindowEnabled(GetDlgItem(hwnd, kChangeFolderButton)))
                openFolderChooser(hwnd);
            break;
        case kDriveList:
            if (code == LBN_SELCHANGE) driveChosen(hwnd);
            break;
        case kFolderList:
            if (code == LBN_SELCHANGE) folderChosen(hwnd);
            break;
    }
}

void onPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    paintInstallWindow(dc, client, g.titleFont, g.settings.title);
    EndPaint(hwnd, &ps);
}

// The gradient covers everything: no separate erasing.
BOOL onEraseBackground(HWND, HDC) { return TRUE; }

void onClose(HWND hwnd) {
    if (!g.installing) DestroyWindow(hwnd);
}

void onDestroy(HWND) {
    CoUninitialize();
    PostQuitMessage(0);
}

LRESULT CALLBACK installWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_ERASEBKGND, onEraseBackground);
        HANDLE_MSG(hwnd, WM_CLOSE, onClose);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int runInstallWindow(HINSTANCE instance, int show, const ScriptSettings& settings,
                     const FilePath& sourceFolder, const std::wstring& initialFolder) {
    g.settings = settings;
    g.sourceFolder = sourceFolder;
    g.initialFolder = initialFolder;
    g.titleFont = createTitleFont();

    WNDCLASSEXW wc = {sizeof wc};
    wc.lpfnWndProc = installWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"installicon", IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = L"Install";
    if (!RegisterClassExW(&wc)) return 1;
    HWND hwnd = CreateWindowExW(0, L"Install", L"Install", WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DeleteObject(g.titleFont);
    return static_cast<int>(msg.wParam);
}
