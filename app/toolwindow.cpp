// toolwindow.cpp — class registration, creation, placement and closing of
// the tool windows.
#include "toolwindow.h"

namespace {
HWND theMainWindow = nullptr;
HWND openTool = nullptr;  // the tool window opened from the main window, if any

// The normal (restored) top-left corner in screen coordinates, the ones
// SetWindowPos takes when the position is used again.
POINT normalTopLeftOnScreen(HWND window) {
    WINDOWPLACEMENT placement = {sizeof placement};
    GetWindowPlacement(window, &placement);
    POINT at = {placement.rcNormalPosition.left, placement.rcNormalPosition.top};
    if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return at;
    MONITORINFO monitor = {sizeof monitor};
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return at;
    return screenFromWorkspace(at, monitor.rcMonitor, monitor.rcWork);
}
}  // namespace

POINT screenFromWorkspace(POINT at, const RECT& monitor, const RECT& work) {
    return {at.x + work.left - monitor.left, at.y + work.top - monitor.top};
}

void setMainWindow(HWND window) { theMainWindow = window; }
HWND mainWindow() { return theMainWindow; }

bool registerToolClass(const wchar_t* className, WNDPROC windowProc, const wchar_t* menuName) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing = {sizeof existing};
    if (GetClassInfoExW(instance, className, &existing)) return true;
    WNDCLASSEXW wc = {sizeof wc};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, L"NORVAICON", IMAGE_ICON, 32, 32, 0));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"NORVAICON", IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszMenuName = menuName;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}

POINT centredOnScreen(int outerWidth, int outerHeight) {
    return {(GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2};
}

HWND createToolWindow(const ToolWindowLayout& layout, void* createParam) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HMENU menu = layout.menuName.empty() ? nullptr : LoadMenuW(instance, layout.menuName.c_str());
    int height = layout.outerHeight;
    if (layout.addFrameHeights)
        height += GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU);
    POINT at = centredOnScreen(layout.outerWidth, height);
    HWND window =
        CreateWindowExW(0, layout.className, layout.title.c_str(), layout.style, at.x, at.y,
                        layout.outerWidth, height, nullptr, menu, instance, createParam);
    if (!window) {
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

HWND openToolWindow(const ToolWindowLayout& layout, void* createParam) {
    if (appSettings.toolWindowOpen) return nullptr;
    appSettings.toolWindowOpen = 1;
    HWND window = createToolWindow(layout, createParam);
    if (!window) {
        appSettings.toolWindowOpen = 0;
        return nullptr;
    }
    openTool = window;
    if (theMainWindow) ShowWindow(theMainWindow, SW_HIDE);
    return window;
}

void applyStayOnTop(HWND window) {
    SetWindowPos(window, appSettings.stayOnTop == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void placeToolWindow(HWND window, PositionKind kind) {
    applyStayOnTop(window);
    if (kind == PositionKind::None) return;
    const SavedPosition& p = savedPosition(kind);
    if (p.top != kNoSavedPosition)
        SetWindowPos(window, nullptr, p.left, p.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void recordPosition(HWND window, PositionKind kind) {
    if (kind == PositionKind::None) return;
    POINT at = normalTopLeftOnScreen(window);
    savedPosition(kind) = {at.x, at.y};
}

void finishToolWindow(HWND window, PositionKind kind) {
    recordPosition(window, kind);
    if (window == openTool) openTool = nullptr;
    if (theMainWindow) ShowWindow(theMainWindow, SW_SHOW);
    appSettings.toolWindowOpen = 0;
}

void closeOpenToolWindow() {
    if (openTool && IsWindow(openTool)) SendMessageW(openTool, WM_CLOSE, 0, 0);
}
