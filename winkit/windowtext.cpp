// windowtext.cpp — window texts and the clipboard's plain text.
#include "windowtext.h"

#include <cstring>

std::wstring windowText(HWND window) {
    int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(window, &text[0], n + 1);
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

void setWindowTextIfChanged(HWND window, const std::wstring& text) {
    if (windowText(window) != text) SetWindowTextW(window, text.c_str());
}

bool getClipboardText(HWND owner, std::wstring& text) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return false;
    bool got = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            // The block may be larger than its text, and need not end in a NUL.
            const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
            size_t length = 0;
            while (length < capacity && chars[length]) ++length;
            text.assign(chars, length);
            got = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return got;
}

bool setClipboardText(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    bool set = false;
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = GlobalLock(data)) {
            std::memcpy(target, text.c_str(), bytes);
            GlobalUnlock(data);
            set = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
        }
        if (!set) GlobalFree(data);
    }
    CloseClipboard();
    return set;
}
