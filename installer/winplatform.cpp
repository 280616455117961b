// winplatform.cpp — copies through LZ32, win.ini and folders on Windows.
#include "winplatform.h"

#include <windows.h>

#include <lzexpand.h>

#include <vector>

#include "settingsstore.h"

std::string WinPlatform::fullPath(const std::string& folder) {
    DWORD n = GetFullPathNameA(folder.c_str(), 0, nullptr, nullptr);
    if (n == 0) return std::string();
    std::vector<char> path(n + 1);
    n = GetFullPathNameA(folder.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
    return n == 0 || n >= path.size() ? std::string() : std::string(path.data(), n);
}

bool WinPlatform::canWriteInto(const std::string& folder) {
    // A new file of a name no other file has, made and removed again.
    char probe[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), "nrv", 0, probe) == 0) return false;
    return DeleteFileA(probe) != 0;
}

void WinPlatform::expandCopy(const std::string& from, const std::string& to) {
    // A file in the LZ library's compressed format is expanded, any other is
    // copied as it is. The target is only created once the source is open:
    // a missing source never empties an existing file.
    OFSTRUCT fromInfo = {}, toInfo = {};
    INT source = LZOpenFileA(const_cast<char*>(from.c_str()), &fromInfo, OF_READ);
    if (source < 0) return;
    INT target = LZOpenFileA(const_cast<char*>(to.c_str()), &toInfo, OF_CREATE);
    if (target >= 0) {
        LZCopy(source, target);
        LZClose(target);
    }
    LZClose(source);
}

void WinPlatform::plainCopy(const std::string& from, const std::string& to) {
    CopyFileA(from.c_str(), to.c_str(), FALSE);
}

std::vector<std::string> WinPlatform::matchingFiles(const std::string& folder,
                                                    const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

void WinPlatform::writeIntroDelay(const std::string& key, const std::string& value) {
    writeSettingString(key, value);  // win.ini, or the per-user file where it is refused
}

bool WinPlatform::setCurrentFolder(const std::string& folder) {
    return SetCurrentDirectoryA(folder.c_str()) != 0;
}

void WinPlatform::createShortcut(const ShortcutSpec& shortcut) { createProgramsShortcut(shortcut); }
