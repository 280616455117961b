// files_win32.cpp — the file seam on Windows (and Wine): every path goes to
// the wide file functions, converted from the code pages it was written in.
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "files.h"
#include "widepath.h"

namespace {

std::wstring wideOfUtf8(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
    return out;
}

std::string utf8OfWide(const std::wstring& wide) {
    if (wide.empty()) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr,
                        nullptr);
    return out;
}

UINT systemCodePage(int codePage) {
    return codePage == kSystemCodePage ? CP_ACP : static_cast<UINT>(codePage);
}

DWORD attributesOf(const FilePath& path) { return GetFileAttributesW(widePath(path).c_str()); }

}  // namespace

std::string platformTextToUtf8(const std::string& text, int codePage) {
    if (text.empty()) return std::string();
    const UINT cp = systemCodePage(codePage);
    int n = MultiByteToWideChar(cp, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(cp, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return utf8OfWide(wide);
}

bool platformUtf8ToText(const std::string& utf8, int codePage, std::string& text) {
    text.clear();
    const std::wstring wide = wideOfUtf8(utf8);
    if (wide.empty()) return true;
    const UINT cp = systemCodePage(codePage);
    // No best fit: a letter the code page lacks is lost, never replaced by a look-alike.
    BOOL lost = FALSE;
    int n = WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, wide.data(),
                                static_cast<int>(wide.size()), nullptr, 0, nullptr, &lost);
    if (n <= 0 || lost) return false;
    text.assign(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        &text[0], n, nullptr, &lost);
    return !lost;
}

std::wstring widePath(const FilePath& path) { return wideOfUtf8(path.utf8()); }

FilePath pathOfWide(const std::wstring& name) { return FilePath(utf8OfWide(name), kUtf8CodePage); }

bool pathTextOfWide(const std::wstring& name, std::string& text) {
    return toPathText(utf8OfWide(name), text);
}

std::string nativePath(const FilePath& path) { return path.utf8(); }

FILE* openFile(const FilePath& path, const char* mode) {
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(widePath(path).c_str(), wideMode.c_str());
}

bool listFolder(const FilePath& path, std::vector<FolderEntry>& entries) {
    entries.clear();
    FilePath pattern = path;
    pattern += path.empty() ? "*" : (path.back() == '\\' ? "*" : "\\*");
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(widePath(pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    do {
        std::wstring wide = data.cFileName;
        if (wide == L"." || wide == L"..") continue;
        std::string name;
        if (!pathTextOfWide(wide, name)) continue;
        entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return true;
}

bool removeFile(const FilePath& path) { return DeleteFileW(widePath(path).c_str()) != 0; }

bool fileExists(const FilePath& path) {
    DWORD a = attributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const FilePath& path) {
    DWORD a = attributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeFolder(const FilePath& path) {
    return CreateDirectoryW(widePath(path).c_str(), nullptr) != 0 || folderExists(path);
}

bool removeFolder(const FilePath& path) { return RemoveDirectoryW(widePath(path).c_str()) != 0; }

int copyFile(const FilePath& from, const FilePath& to) {
    const FilePath tmp = to + ".tmp";
    const std::wstring tmpName = widePath(tmp);
    if (!CopyFileW(widePath(from).c_str(), tmpName.c_str(), FALSE)) {
        DWORD error = GetLastError();
        DeleteFileW(tmpName.c_str());
        return static_cast<int>(error);
    }
    // The copy reaches the disk before it takes the old file's place.
    HANDLE copy = CreateFileW(tmpName.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = 0;
    if (copy == INVALID_HANDLE_VALUE) {
        error = GetLastError();
    } else {
        if (!FlushFileBuffers(copy)) error = GetLastError();
        CloseHandle(copy);
    }
    if (error == 0 && !replaceFile(tmp, to)) error = GetLastError();
    if (error != 0) DeleteFileW(tmpName.c_str());
    return static_cast<int>(error);
}

bool flushToDisk(FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

bool replaceFile(const FilePath& tmpPath, const FilePath& finalPath) {
    return MoveFileExW(widePath(tmpPath).c_str(), widePath(finalPath).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool seekFile(FILE* file, int64_t offset) { return _fseeki64(file, offset, SEEK_SET) == 0; }

int64_t fileSize(FILE* file) {
    if (_fseeki64(file, 0, SEEK_END) != 0) return 0;
    int64_t size = _ftelli64(file);
    seekFile(file, 0);
    return size < 0 ? 0 : size;
}

bool readFileAt(FILE* file, int64_t offset, void* data, size_t size) {
    return seekFile(file, offset) && std::fread(data, 1, size, file) == size;
}
