// winplatform.cpp — copies through LZ32, win.ini and folders on Windows.
#include "winplatform.h"

#include <windows.h>

#include <lzexpand.h>

#include <vector>

#include "files.h"
#include "settingsstore.h"
#include "widepath.h"

namespace {

// An LZ32 handle on a file opened by its wide name: the LZ library opens
// files only by 8-bit names, which cannot name every file, but it reads
// and writes any handle it is given.
HFILE openForLz(const FilePath& path, DWORD access, DWORD disposition) {
    HANDLE file = CreateFileW(widePath(path).c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return HFILE_ERROR;
    // Handles fit in 32 bits, also in a 64-bit process.
    return static_cast<HFILE>(reinterpret_cast<INT_PTR>(file));
}

}  // namespace

FilePath currentFolder() {
    DWORD n = GetCurrentDirectoryW(0, nullptr);
    if (n == 0) return FilePath();
    std::wstring folder(n, L'\0');
    n = GetCurrentDirectoryW(n, &folder[0]);
    if (n == 0 || n >= folder.size()) return FilePath();
    folder.resize(n);
    return withBackslash(pathOfWide(folder));
}

FilePath WinPlatform::fullPath(const FilePath& folder) {
    const std::wstring name = widePath(folder);
    DWORD n = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (n == 0) return FilePath();
    std::vector<wchar_t> path(n + 1);
    n = GetFullPathNameW(name.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
    return n == 0 || n >= path.size() ? FilePath() : pathOfWide(std::wstring(path.data(), n));
}

bool WinPlatform::canWriteInto(const FilePath& folder) {
    // A new file of a name no other file has, made and removed again.
    wchar_t probe[MAX_PATH];
    if (GetTempFileNameW(widePath(folder).c_str(), L"nrv", 0, probe) == 0) return false;
    return DeleteFileW(probe) != 0;
}

void WinPlatform::expandCopy(const FilePath& from, const FilePath& to) {
    // A file in the LZ library's compressed format is expanded, any other is
    // copied as it is. The target is only created once the source is open:
    // a missing source never empties an existing file.
    HFILE sourceFile = openForLz(from, GENERIC_READ, OPEN_EXISTING);
    if (sourceFile == HFILE_ERROR) return;
    INT source = LZInit(sourceFile);
    if (source < 0) {
        _lclose(sourceFile);
        return;
    }
    HFILE target = openForLz(to, GENERIC_WRITE, CREATE_ALWAYS);
    if (target != HFILE_ERROR) {
        LZCopy(source, target);
        _lclose(target);
    }
    LZClose(source);
}

void WinPlatform::plainCopy(const FilePath& from, const FilePath& to) { copyFile(from, to); }

std::vector<FilePath> WinPlatform::matchingFiles(const FilePath& folder,
                                                 const std::string& pattern) {
    std::vector<FilePath> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(widePath(folder + pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(pathOfWide(data.cFileName));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

void WinPlatform::writeIntroDelay(const std::string& key, const std::string& value) {
    writeSettingString(key, value);  // win.ini, or the per-user file where it is refused
}

bool WinPlatform::setCurrentFolder(const FilePath& folder) {
    return SetCurrentDirectoryW(widePath(folder).c_str()) != 0;
}

void WinPlatform::createShortcut(const ShortcutSpec& shortcut) { createProgramsShortcut(shortcut); }
