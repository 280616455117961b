// toolwindow.cpp — class registration, placement and subclassed fields.
#include "toolwindow.h"

#include <commctrl.h>

#include <vector>

#include "mainwindow.h"

namespace {

struct FieldKeys {
    std::vector<UINT> keys;
    bool forwardContextMenu = false;
    unsigned codePage = 0;
    UINT reportedKey = 0;
};

// Whether a typed character can be stored in the field's code page: a
// character that cannot is refused rather than stored as "?".
bool representable(wchar_t c, unsigned codePage) {
    if (codePage == 0 || c < 0x20) return true;
    char bytes[8];
    BOOL usedDefault = FALSE;
    bool ask = codePage != CP_UTF8 && codePage < 50000;
    int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, nullptr,
                                ask ? &usedDefault : nullptr);
    if (n != 1) return false;
    if (ask) return !usedDefault;
    wchar_t back = 0;
    return MultiByteToWideChar(codePage, 0, bytes, 1, &back, 1) == 1 && back == c;
}

// The field's options, also kept as a window property so they can be found again.
constexpr const wchar_t* kFieldProperty = L"norva.field";

bool isReported(const FieldKeys& f, UINT key) {
    for (UINT k : f.keys)
        if (k == key) return true;
    return false;
}

LRESULT CALLBACK fieldKeysProc(HWND field, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                               DWORD_PTR data) {
    auto* keys = reinterpret_cast<FieldKeys*>(data);
    switch (msg) {
        case WM_KEYDOWN:
            if (isReported(*keys, static_cast<UINT>(wp))) {
                keys->reportedKey = static_cast<UINT>(wp);
                int control = GetDlgCtrlID(field);
                SendMessageW(GetParent(field), WM_COMMAND,
                             MAKEWPARAM(control, kFieldKeyNotification),
                             reinterpret_cast<LPARAM>(field));
                return 0;
            }
            break;
        case WM_CHAR:
            if (wp == '\r' && isReported(*keys, VK_RETURN)) return 0;
            if (!representable(static_cast<wchar_t>(wp), keys->codePage)) {
                MessageBeep(MB_OK);
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            if (keys->forwardContextMenu)
                return SendMessageW(GetParent(field), WM_CONTEXTMENU,
                                    reinterpret_cast<WPARAM>(field), lp);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(field, fieldKeysProc, id);
            RemovePropW(field, kFieldProperty);
            delete keys;
            break;
    }
    return DefSubclassProc(field, msg, wp, lp);
}

}  // namespace

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
    HMENU menu = layout.menuName ? LoadMenuW(instance, layout.menuName) : nullptr;
    int height = layout.outerHeight;
    if (layout.addFrameHeights)
        height += GetSystemMetrics(SM_CYCAPTION) + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
    POINT at = centredOnScreen(layout.outerWidth, height);
    HWND window =
        CreateWindowExW(0, layout.className, layout.title.c_str(), layout.style, at.x, at.y,
                        layout.outerWidth, height, layout.owner, menu, instance, createParam);
    if (!window) {
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
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
    if (p.top != 9999)
        SetWindowPos(window, nullptr, p.left, p.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void recordPosition(HWND window, PositionKind kind) {
    if (kind == PositionKind::None) return;
    WINDOWPLACEMENT placement = {sizeof placement};
    if (!GetWindowPlacement(window, &placement)) return;
    savedPosition(kind) = {placement.rcNormalPosition.left, placement.rcNormalPosition.top};
}

void finishToolWindow(HWND window, PositionKind kind) {
    recordPosition(window, kind);
    if (HWND main = mainWindow()) ShowWindow(main, SW_SHOW);
    appSettings.toolWindowOpen = 0;
}

void subclassField(HWND field, const FieldOptions& options) {
    auto* data = new FieldKeys{std::vector<UINT>(options.keys), options.forwardContextMenu,
                               options.codePage};
    SetPropW(field, kFieldProperty, data);
    SetWindowSubclass(field, fieldKeysProc, 1, reinterpret_cast<DWORD_PTR>(data));
}

void reportKeysAsCommands(HWND field, std::initializer_list<UINT> keys) {
    subclassField(field, {keys, false, 0});
}

namespace {
FieldKeys* fieldData(HWND field) {
    return static_cast<FieldKeys*>(GetPropW(field, kFieldProperty));
}
}  // namespace

UINT reportedKey(HWND field) {
    FieldKeys* data = fieldData(field);
    return data ? data->reportedKey : 0;
}

unsigned fieldCodePage(HWND field) {
    FieldKeys* data = fieldData(field);
    return data ? data->codePage : 0;
}

void setFieldCodePage(HWND field, unsigned codePage) {
    if (FieldKeys* data = fieldData(field)) data->codePage = codePage;
}
