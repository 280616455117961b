// files.h — the file-system services of the programs and the tool, with a
// Win32 implementation (the wide file functions) and a POSIX one for the
// native build.
//
// Paths are written as the program writes them: relative to the working
// folder, with "\" between the parts, as 8-bit text of the path code page
// (filepath.h). The POSIX layer turns "\" into "/".
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "filepath.h"

struct FolderEntry {
    std::string name;  // in the path code page
    bool isFolder = false;
};

// The path as the POSIX layer hands it to the system: UTF-8, "/" between the
// parts (on Windows the UTF-8 form with its "\").
std::string nativePath(const FilePath& path);

// fopen on a program path (binary or text as the mode says).
FILE* openFile(const FilePath& path, const char* mode);

// The entries of a folder without "." and "..", in the file system's order
// (Windows and Wine list names case-insensitively sorted; the POSIX layer
// sorts them the same way). A name the path code page cannot hold is left
// out: no path of the program could reach it. False when the folder cannot
// be listed.
bool listFolder(const FilePath& path, std::vector<FolderEntry>& entries);

bool removeFile(const FilePath& path);
bool fileExists(const FilePath& path);
bool folderExists(const FilePath& path);
// Creates one folder level; true also when the folder exists already.
bool makeFolder(const FilePath& path);

// Removes an empty folder. False, with the folder left as it was, when it
// still holds anything (files or folders), is missing or cannot be removed.
bool removeFolder(const FilePath& path);

// Copies the file byte for byte in place of `to`, which it creates or
// replaces; `from` is left as it is. The copy is written beside `to` (its
// name + ".tmp"), flushed to disk and put in place with one atomic replace,
// so a failure at any moment leaves `to` as it was. Returns 0, or the
// system's error number of the step that failed (Windows: GetLastError,
// e.g. 2 for a missing source; POSIX: errno).
int copyFile(const FilePath& from, const FilePath& to);

// Pushes what stdio buffered for this file through to the disk.
bool flushToDisk(FILE* file);

// Puts tmpPath in place of finalPath in one step. The caller has flushed and
// closed the new file and closed its own handle on the old one. A crash at
// any moment leaves either the old file or the new one.
bool replaceFile(const FilePath& tmpPath, const FilePath& finalPath);

// Closes a file written whole and puts it in place of finalPath: flush to
// disk, close, atomic replace. The one path for every whole-file rewrite.
// On failure the old file stays and tmpPath is removed.
bool commitReplacement(FILE* tmp, const FilePath& tmpPath, const FilePath& finalPath);

// Files of more than 2 GB: a 64-bit seek and size. The size leaves the file
// positioned at its start; 0 when it cannot be taken.
bool seekFile(FILE* file, int64_t offset);
int64_t fileSize(FILE* file);

// Reads size bytes at offset; false when fewer could be read. On POSIX one
// positioned read that bypasses stdio's buffer, so whatever was written
// through stdio must have been flushed first.
bool readFileAt(FILE* file, int64_t offset, void* data, size_t size);
