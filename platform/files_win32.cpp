// files_win32.cpp — the file seam on Windows (and Wine).
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "files.h"

std::string nativePath(const std::string& path) { return path; }

FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool listFolder(const std::string& path, std::vector<FolderEntry>& entries) {
    entries.clear();
    std::string pattern =
        path.empty() ? std::string("*") : path + (path.back() == '\\' ? "*" : "\\*");
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return true;
}

bool removeFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool fileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0 || folderExists(path);
}

bool flushToDisk(FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

bool replaceFile(const std::string& tmpPath, const std::string& finalPath) {
    return MoveFileExA(tmpPath.c_str(), finalPath.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool removeFolder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }

int copyFile(const std::string& from, const std::string& to) {
    if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return 0;
    return static_cast<int>(GetLastError());
}

int lastSystemError() { return static_cast<int>(GetLastError()); }
