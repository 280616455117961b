// controltable.h — a window's child controls as one table of ids, classes,
// texts, rectangles and styles: created from it, and placed again from it
// when the window lays itself out anew around another origin.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// A control's text: a fixed text, or the UI string at an offset (resolved
// through the source the program installs with setControlTextSource).
struct ControlText {
    constexpr ControlText() = default;
    constexpr ControlText(const wchar_t* fixed) : fixed(fixed) {}
    static constexpr ControlText ui(int offset) {
        ControlText t;
        t.uiOffset = offset;
        return t;
    }
    const wchar_t* fixed = L"";
    int uiOffset = -1;
};

struct ControlSpec {
    int id;
    const wchar_t* className;
    ControlText text;
    int x, y, width, height;  // relative to the table's origin
    DWORD style;
    DWORD exStyle = 0;
};

using ControlTextSource = std::wstring (*)(int uiOffset);
void setControlTextSource(ControlTextSource source);

// Creates every control of the table, in table order, at origin + (x, y),
// with the font (none when null). Returns false if one could not be made.
// `created`, when given, receives the count handles in table order (null
// for one that failed): the way to controls that share an id.
bool createControls(HWND parent, const ControlSpec* table, size_t count, POINT origin, HFONT font,
                    HWND* created = nullptr);
template <size_t N>
bool createControls(HWND parent, const ControlSpec (&table)[N], POINT origin, HFONT font,
                    HWND (*created)[N] = nullptr) {
    return createControls(parent, table, N, origin, font, created ? *created : nullptr);
}

// Moves every control of the table to origin + (x, y) at its size, repainted.
void placeControls(HWND parent, const ControlSpec* table, size_t count, POINT origin);
template <size_t N>
void placeControls(HWND parent, const ControlSpec (&table)[N], POINT origin) {
    placeControls(parent, table, N, origin);
}

// The control's rectangle in its parent's client coordinates.
RECT controlRect(HWND control);
