// windowtext.cpp — window texts and the clipboard's plain text.
#include "windowtext.h"

#include <cstring>

#include "widetext.h"

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

namespace {

// Hands the locked memory block of a clipboard format, with its size in
// bytes, to `take` while the clipboard is open; false when there is none.
template <class Take>
bool withClipboardBlock(HWND owner, UINT format, Take take) {
    if (!IsClipboardFormatAvailable(format) || !OpenClipboard(owner)) return false;
    bool got = false;
    if (HANDLE data = GetClipboardData(format)) {
        if (const void* block = GlobalLock(data)) {
            take(block, GlobalSize(data));
            got = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return got;
}

// A block may be larger than its text, and need not end in a NUL.
template <class Char>
std::basic_string<Char> textOfBlock(const void* block, size_t bytes) {
    const auto* chars = static_cast<const Char*>(block);
    const size_t capacity = bytes / sizeof(Char);
    size_t length = 0;
    while (length < capacity && chars[length]) ++length;
    return std::basic_string<Char>(chars, length);
}

}  // namespace

bool getClipboardText(HWND owner, std::wstring& text) {
    return withClipboardBlock(owner, CF_UNICODETEXT, [&](const void* block, size_t bytes) {
        text = textOfBlock<wchar_t>(block, bytes);
    });
}

bool getClipboardBytes(HWND owner, unsigned codePage, std::string& text, size_t& blockSize) {
    std::wstring wide;
    auto takeWide = [&](const void* block, size_t bytes) {
        wide = textOfBlock<wchar_t>(block, bytes);
        blockSize = bytes;
    };
    if (withClipboardBlock(owner, CF_UNICODETEXT, takeWide)) {
        text = toBytes(wide, codePage);
        return true;
    }
    return withClipboardBlock(owner, CF_TEXT, [&](const void* block, size_t bytes) {
        text = textOfBlock<char>(block, bytes);
        blockSize = bytes;
    });
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
