// files.h — the few file-system services the portable core needs, with a
// Win32 implementation and a POSIX one for the native build.
//
// Paths are written as the program writes them: relative to the working
// folder, with "\" between the parts. The POSIX layer turns "\" into "/".
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// The path as the platform wants it ("\" becomes "/" on POSIX).
std::string nativePath(const std::string& path);

// fopen on a program path (binary or text as the mode says).
FILE* openFile(const std::string& path, const char* mode);

// The entries of a folder without "." and "..", in the file system's order
// (Windows and Wine list names case-insensitively sorted; the POSIX layer
// sorts them the same way). False when the folder cannot be listed.
bool listFolder(const std::string& path, std::vector<FolderEntry>& entries);

bool removeFile(const std::string& path);
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
bool makeFolder(const std::string& path);
// Removes an empty folder; false when it is not there or not empty.
bool removeFolder(const std::string& path);

// Copies a file over another, replacing it. 0, or the system's error number
// (GetLastError on Windows, errno on POSIX).
int copyFile(const std::string& from, const std::string& to);

// The system's error number of the file operation that failed last on this
// thread (GetLastError on Windows, errno on POSIX).
int lastSystemError();

// Pushes what stdio buffered for this file through to the disk.
bool flushToDisk(FILE* file);

// Puts tmpPath in place of finalPath in one step. The caller has flushed and
// closed the new file and closed its own handle on the old one. A crash at
// any moment leaves either the old file or the new one.
bool replaceFile(const std::string& tmpPath, const std::string& finalPath);

// Closes a file written whole and puts it in place of finalPath: flush to
// disk, close, atomic replace. The one path for every whole-file rewrite.
// On failure the old file stays and tmpPath is removed.
bool commitReplacement(FILE* tmp, const std::string& tmpPath, const std::string& finalPath);
