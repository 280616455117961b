// controltable.cpp — creating and placing controls from a table.
#include "controltable.h"

namespace {
ControlTextSource textSource = nullptr;

std::wstring textOf(const ControlText& t) {
    if (t.uiOffset >= 0) return textSource ? textSource(t.uiOffset) : std::wstring();
    return t.fixed ? t.fixed : L"";
}
}  // namespace

void setControlTextSource(ControlTextSource source) { textSource = source; }

bool createControls(HWND parent, const ControlSpec* table, size_t count, POINT origin, HFONT font,
                    HWND* created) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    bool all = true;
    for (size_t i = 0; i < count; ++i) {
        const ControlSpec& c = table[i];
        HWND control =
            CreateWindowExW(c.exStyle, c.className, textOf(c.text).c_str(), c.style, origin.x + c.x,
                            origin.y + c.y, c.width, c.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (created) created[i] = control;
        if (!control) {
            all = false;
            continue;
        }
        if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return all;
}

void placeControls(HWND parent, const ControlSpec* table, size_t count, POINT origin) {
    for (size_t i = 0; i < count; ++i) {
        const ControlSpec& c = table[i];
        if (HWND control = GetDlgItem(parent, c.id))
            MoveWindow(control, origin.x + c.x, origin.y + c.y, c.width, c.height, TRUE);
    }
}

RECT controlRect(HWND control) {
    RECT r = {};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
