// palettewindow.cpp — the "tekenset" window: one button per character, a
// click types that character into the target field.
#include <windowsx.h>

#include "appsettings.h"
#include "fonts.h"
#include "palette.h"
#include "palettelayout.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "widetext.h"

PaletteState palette;

namespace {

HFONT paletteFont = nullptr;  // owned by the open palette window

std::wstring characterText(char c) {
    return toWide(std::string(1, c), windowCodePage(palette.paletteCharset));
}

void createButtons(HWND window) {
    const int count = static_cast<int>(palette.characters.size());
    for (int k = 0; k < count; ++k) {
        ButtonPlace at = paletteButtonPlace(k, count);
        HWND button = CreateWindowW(L"BUTTON", characterText(palette.characters[k]).c_str(),
                                    WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, at.x, at.y,
                                    kPaletteButtonWidth, kPaletteButtonHeight, window,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(k)),
                                    GetModuleHandleW(nullptr), nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(paletteFont), FALSE);
    }
}

// A click types the button's character into the target, converted from the
// palette's code page, as if it came from the keyboard.
void onCommand(HWND, int id, HWND, UINT code) {
    if (code != BN_CLICKED || id < 0 || id >= static_cast<int>(palette.characters.size())) return;
    if (!palette.paletteTarget) return;
    SetFocus(palette.paletteTarget);
    std::wstring typed = characterText(palette.characters[static_cast<size_t>(id)]);
    for (wchar_t c : typed) SendMessageW(palette.paletteTarget, WM_CHAR, c, 1);
}

void onDestroy(HWND) {
    if (paletteFont) DeleteObject(paletteFont);
    paletteFont = nullptr;
    palette.paletteWindow = nullptr;
    if (palette.paletteTarget) SetFocus(palette.paletteTarget);
}

LRESULT CALLBACK paletteProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        HANDLE_MSG(hwnd, WM_COMMAND, onCommand);
        HANDLE_MSG(hwnd, WM_DESTROY, onDestroy);
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;  // the target keeps the caret
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void openPalette() {
    registerToolClass(L"tekenset", paletteProc);
    palette.characters = paletteCharactersFor(palette.paletteLanguage);
    paletteFont = createUiFont(11, 400, L"Times New Roman", palette.paletteCharset);
    const int width = paletteWidth(static_cast<int>(palette.characters.size()));
    RECT anchor = {};
    if (palette.paletteAnchor) GetWindowRect(palette.paletteAnchor, &anchor);
    PalettePosition at =
        palettePosition(anchor.left, anchor.top, anchor.right - anchor.left, width);
    HWND window = CreateWindowExW(0, L"tekenset", uiText(94).c_str(), WS_POPUP | WS_CAPTION, at.x,
                                  at.y, width, kPaletteHeight, palette.paletteAnchor, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window) {
        DeleteObject(paletteFont);
        paletteFont = nullptr;
        return;
    }
    palette.paletteWindow = window;
    createButtons(window);
    applyStayOnTop(window);
    ShowWindow(window, SW_SHOWNORMAL);
}

}  // namespace

void closePalette() {
    if (palette.paletteWindow) DestroyWindow(palette.paletteWindow);
}

void reopenPalette() {
    closePalette();
    openPalette();
    if (palette.paletteTarget) SetFocus(palette.paletteTarget);
}

void paletteHostCreated(HWND host, int charset, const std::string& language) {
    palette.paletteAnchor = host;
    palette.paletteWindow = nullptr;
    palette.paletteCharset = charset;
    palette.paletteLanguage = language;
}

void paletteFieldFocused(HWND field, int charset, const std::string& language, bool paletteOn) {
    palette.paletteTarget = field;
    if (palette.paletteCharset == charset) return;
    palette.paletteCharset = charset;
    palette.paletteLanguage = language;
    if (paletteOn) reopenPalette();
}

void palettePairChanged(int charset, const std::string& language) {
    palette.paletteCharset = charset;
    palette.paletteLanguage = language;
}
