// progresswindow.cpp — the sorting, updating and printing popups.
#include "progresswindow.h"

#include <windowsx.h>

#include "toolwindow.h"

namespace {

CounterObserver counterObserver = nullptr;

// The popup's description lives as long as its window.
constexpr const wchar_t* kPopupProperty = L"norva.progress";

const ProgressPopup* popupOf(HWND window) {
    return static_cast<const ProgressPopup*>(GetPropW(window, kPopupProperty));
}

BOOL onCreate(HWND hwnd, LPCREATESTRUCT create) {
    SetPropW(hwnd, kPopupProperty, create->lpCreateParams);
    applyStayOnTop(hwnd);
    return TRUE;
}

void onPaint(HWND hwnd) {
    PaintDc paint(hwnd);
    const ProgressPopup* popup = popupOf(hwnd);
    if (!popup) return;
    HFONT system = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    for (const PlacedText& t : popup->embossed) drawEmbossedTexts(paint.dc, system, {t});
    for (const PlacedText& t : popup->plain) drawPlainText(paint.dc, system, RGB(0, 0, 0), t);
}

void onNcDestroy(HWND hwnd) {
    delete popupOf(hwnd);
    RemovePropW(hwnd, kPopupProperty);
}

LRESULT CALLBACK popupProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_CREATE, onCreate);
        HANDLE_MSG(hwnd, WM_PAINT, onPaint);
        HANDLE_MSG(hwnd, WM_NCDESTROY, onNcDestroy);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND openProgressPopup(const ProgressPopup& popup) {
    registerToolClass(popup.className, popupProc);
    auto* copy = new ProgressPopup(popup);
    HWND window =
        createToolWindow({popup.className, popup.title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                          popup.outerWidth, popup.outerHeight, false},
                         copy);
    if (!window) delete copy;
    return window;
}

void drawProgressCounter(HWND popup, const std::wstring& line) {
    if (counterObserver) counterObserver(line);
    const ProgressPopup* p = popup ? popupOf(popup) : nullptr;
    if (!p) return;
    WindowDc window(popup);
    if (!window.dc) return;
    RECT r = p->counterRect;
    FillRect(window.dc, &r, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    drawPlainText(window.dc, static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), RGB(50, 50, 50),
                  {line, r, DT_SINGLELINE | DT_NOPREFIX});
}

void closeProgressPopup(HWND popup) {
    if (popup) DestroyWindow(popup);
}

void setCounterObserver(CounterObserver observer) { counterObserver = observer; }
