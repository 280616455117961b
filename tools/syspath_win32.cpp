// syspath_win32.cpp — file names for the C library's ANSI calls.
#include <windows.h>

#include "wbtool_commands.h"

bool localeCollationAvailable() { return true; }

bool systemPath(const std::string& utf8, std::string& path) {
    path.clear();
    if (utf8.empty()) return true;
    int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()),
                                   nullptr, 0);
    if (wide <= 0) return false;
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &w[0], wide);
    BOOL lossy = FALSE;
    int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.data(), wide, nullptr, 0,
                                    nullptr, &lossy);
    if (bytes <= 0 || lossy) return false;
    path.assign(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.data(), wide, &path[0], bytes, nullptr,
                        &lossy);
    return !lossy;
}
