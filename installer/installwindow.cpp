// installwindow.cpp — the "Install" window: a blue gradient with the raised
// title, the folder field with Start, Change Directory and Stop, and the
// progress of the word lists painted straight onto the window.
#include "installwindow.h"

#include <objbase.h>
#include <windowsx.h>

#include <string>

namespace {

enum ControlId {
    kPanel = 249, kFolderLabel = 250, kDriveLabel = 251, kDirLabel = 252, kStart = 200,
    kStop = 201, kChangeDir = 202, kDriveList = 300, kDirList = 301, kFolderField = 350,
};

struct ControlLayout {
    int id;
    const wchar_t* cls;
    const wchar_t* text;
    RECT r;  // left, top, width, height
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kList = WS_CHILD | WS_VSCROLL | WS_BORDER | LBS_SORT | LBS_NOTIFY;
const ControlLayout kControls[] = {
    {kPanel, L"STATIC", L"", {110, 138, 440, 110}, WS_CHILD | WS_VISIBLE | WS_BORDER, 0},
    {kFolderLabel, L"STATIC", L"Install in Directory :", {120, 148, 420, 22}, WS_CHILD | WS_VISIBLE, 0},
    {kFolderField, L"EDIT", L"", {120, 170, 420, 25}, WS_CHILD | WS_VISIBLE | WS_BORDER, WS_EX_CLIENTEDGE},
    {kStart, L"BUTTON", L"Start", {120, 205, 100, 30}, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0},
    {kChangeDir, L"BUTTON", L"Change Directory", {230, 205, 200, 30}, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0},
    {kStop, L"BUTTON", L"Stop", {440, 205, 100, 30}, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0},
    {kDriveLabel, L"STATIC", L"Drive :", {120, 260, 150, 20}, WS_CHILD, 0},
    {kDirLabel, L"STATIC", L"Directory :", {280, 260, 260, 20}, WS_CHILD, 0},
    {kDriveList, L"LISTBOX", L"", {120, 280, 150, 100}, kList, WS_EX_CLIENTEDGE},
    {kDirList, L"LISTBOX", L"", {280, 280, 260, 180}, kList, WS_EX_CLIENTEDGE},
};

struct InstallWindow {
    HWND hwnd = nullptr;
    InstallOptions* options = nullptr;
    HFONT titleFont = nullptr;
    int titleRow = 100, barRow = 155, statusRow = 170;
    std::string closingFile;
};
InstallWindow g;

std::wstring wide(const std::string& s) {
    int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
    std::wstring w(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, &w[0], n);
    return w;
}

void drawRaised(HDC dc, const std::wstring& text, RECT r) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_NOPREFIX);
    OffsetRect(&r, -2, -2);
    SetTextColor(dc, RGB(230, 230, 230));
    DrawTextW(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_NOPREFIX);
}

// The progress of one pair's lists, drawn while no message is handled.
class WindowReport : public InstallReport {
public:
    void copying(const std::string& target) override {
        SetDlgItemTextW(g.hwnd, kFolderField, wide(target).c_str());
        UpdateWindow(g.hwnd);
    }
    void pairStarted(const LanguageEntry& entry) override {
        HDC dc = GetDC(g.hwnd);
        HGDIOBJ old = SelectObject(dc, g.titleFont);
        drawRaised(dc, wide(entry.longName), {30, g.titleRow, 480, g.titleRow + 40});
        SelectObject(dc, old);
        ReleaseDC(g.hwnd, dc);
        g.titleRow += 50;
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    }
    void bar(int percent) override {
        static const int kFill[] = {0, 64, 117, 205, 292, 379};
        int stage = percent == 0 ? 0 : percent == 10 ? 1 : percent == 25 ? 2 : percent == 50 ? 3
                                   : percent == 75 ? 4 : 5;
        HDC dc = GetDC(g.hwnd);
        RECT frame = {30, g.barRow, 380, g.barRow + 20};
        HBRUSH white = CreateSolidBrush(RGB(255, 255, 255)), navy = CreateSolidBrush(RGB(0, 0, 128)),
               green = CreateSolidBrush(RGB(0, 128, 0));
        FrameRect(dc, &frame, white);
        RECT inside = {31, g.barRow + 1, 379, g.barRow + 19};
        FillRect(dc, &inside, navy);
        if (stage > 0) {
            RECT done = {31, g.barRow + 1, kFill[stage], g.barRow + 19};
            FillRect(dc, &done, green);
        }
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        std::wstring text = std::to_wstring(percent) + L"%";
        DrawTextW(dc, text.c_str(), -1, &frame, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        DeleteObject(white);
        DeleteObject(navy);
        DeleteObject(green);
        ReleaseDC(g.hwnd, dc);
        if (percent == 100) g.barRow += 50;
    }
    void listsDone() override { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }
};

void paintBackground(HWND hwnd, HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    HDC screen = GetDC(nullptr);
    int depth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    HPEN pens[64];
    for (int k = 0; k < 64; ++k) pens[k] = CreatePen(PS_SOLID, 1, RGB(0, 0, 200 - 3 * k));
    HGDIOBJ old = SelectObject(dc, pens[0]);
    for (int y = 0; y < client.bottom; ++y) {
        SelectObject(dc, pens[depth < 24 ? 32 : y * 63 / client.bottom]);
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, client.right, y);
    }
    SelectObject(dc, old);
    for (HPEN p : pens) DeleteObject(p);
}

void onPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    paintBackground(hwnd, dc);
    HGDIOBJ old = SelectObject(dc, g.titleFont);
    drawRaised(dc, wide(g.options->settings.title), {30, 20, 480, 90});
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

void show(int id, bool visible) { ShowWindow(GetDlgItem(g.hwnd, id), visible ? SW_SHOW : SW_HIDE); }

void start() {
    wchar_t text[MAX_PATH] = {};
    GetDlgItemTextW(g.hwnd, kFolderField, text, MAX_PATH);
    char folder[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, folder, MAX_PATH, nullptr, nullptr);
    if (!prepareFolder(folder)) {
        MessageBoxW(g.hwnd, L"Invalid Directory", L"Error", MB_OK | MB_ICONERROR);
        return;
    }
    SetWindowPos(GetDlgItem(g.hwnd, kPanel), nullptr, 0, 0, 440, 110, SWP_NOMOVE | SWP_NOZORDER);
    for (int id : {kDriveList, kDirList, kDriveLabel, kDirLabel, kStart, kChangeDir}) show(id, false);
    SetDlgItemTextW(g.hwnd, kFolderLabel, L"Copying files...");
    InvalidateRect(g.hwnd, nullptr, TRUE);
    UpdateWindow(g.hwnd);
    WindowReport report;
    std::string error;
    bool copied = true;
    for (int id : {kStop, kFolderLabel, kPanel, kFolderField}) show(id, false);
    InvalidateRect(g.hwnd, nullptr, TRUE);
    UpdateWindow(g.hwnd);
    copied = runInstallation(*g.options, folder, report, error);
    report.listsDone();
    if (!copied) exitWithError(g.hwnd, error);
    MessageBoxW(g.hwnd, L"Install Finished ", L"Install", MB_OK);
    DestroyWindow(g.hwnd);
}

// The folder list: the current folder's sub-folders that are not hidden
// ("." left out after a choice in the list); the field shows where we are.
void fillFolderList(bool withDot) {
    HWND list = GetDlgItem(g.hwnd, kDirList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(L"*.*", &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            bool folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            bool hidden = data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN;
            if (!folder || hidden || (!withDot && lstrcmpW(data.cFileName, L".") == 0)) continue;
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(data.cFileName));
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    SetDlgItemTextW(g.hwnd, kFolderField, current);
}

void changeDirectory() {
    EnableWindow(GetDlgItem(g.hwnd, kChangeDir), FALSE);
    SetWindowPos(GetDlgItem(g.hwnd, kPanel), nullptr, 0, 0, 440, 320, SWP_NOMOVE | SWP_NOZORDER);
    for (int id : {kDriveList, kDirList, kDriveLabel, kDirLabel}) show(id, true);
    wchar_t drives[512] = {};
    GetLogicalDriveStringsW(511, drives);
    for (wchar_t* d = drives; *d; d += lstrlenW(d) + 1) {
        CharLowerW(d);
        SendDlgItemMessageW(g.hwnd, kDriveList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(d));
    }
    SetCurrentDirectoryW(L"c:\\");
    fillFolderList(true);
}

// A drive or a folder chosen in the lists becomes the current folder.
void onListChoice(int id) {
    HWND list = GetDlgItem(g.hwnd, id);
    LRESULT chosen = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (chosen == LB_ERR) return;
    wchar_t entry[MAX_PATH] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, chosen, 0) >= MAX_PATH) return;
    SendMessageW(list, LB_GETTEXT, chosen, reinterpret_cast<LPARAM>(entry));
    SetCurrentDirectoryW(entry);
    fillFolderList(id == kDriveList);
}

void onCommand(HWND hwnd, int id, HWND, UINT code) {
    if (code == LBN_SELCHANGE && (id == kDriveList || id == kDirList)) return onListChoice(id);
    if (code != BN_CLICKED) return;
    switch (id) {
        case kChangeDir: changeDirectory(); return;
        case kStart: start(); return;
        case IDOK: start(); return;  // Enter in the folder field
        case kStop: DestroyWindow(hwnd); return;
    }
}

BOOL onCreate(HWND hwnd, LPCREATESTRUCT) {
    g.hwnd = hwnd;
    CoInitialize(nullptr);
    g.titleFont = CreateFontW(40, 0, 0, 0, 700, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Times New Roman");
    HFONT system = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    for (const ControlLayout& c : kControls) {
        HWND control = CreateWindowExW(c.exStyle, c.cls, c.text, c.style, c.r.left, c.r.top, c.r.right,
                                       c.r.bottom, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                       GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(system), FALSE);
    }
    SetDlgItemTextW(hwnd, kFolderField, wide(g.options->settings.defaultFolder).c_str());
    return TRUE;
}

void onDestroy(HWND) {
    DeleteObject(g.titleFont);
    CoUninitialize();
    PostQuitMessage(0);
}

LRESULT CALLBACK installProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

void exitWithError(HWND owner, const std::string& text) {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    MessageBoxW(owner, wide(text).c_str(), L"Error", MB_OK | MB_ICONERROR);
    ExitProcess(1);
}

int runInstallWindow(InstallOptions& options, int showCommand) {
    g.options = &options;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc = {sizeof wc};
    wc.lpfnWndProc = installProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"INSTALLICON", IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = L"Install";
    if (!RegisterClassExW(&wc)) return 1;
    HWND hwnd = CreateWindowExW(0, L"Install", L"Install", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(hwnd, &msg)) continue;  // Enter in the folder field presses Start
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
