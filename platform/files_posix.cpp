// files_posix.cpp — the file seam on Linux, for the native build.
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "files.h"

std::string nativePath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

FILE* openFile(const std::string& path, const char* mode) {
    return std::fopen(nativePath(path).c_str(), mode);
}

bool listFolder(const std::string& path, std::vector<FolderEntry>& entries) {
    entries.clear();
    std::string dir = nativePath(path);
    if (dir.empty()) dir = ".";
    DIR* d = opendir(dir.c_str());
    if (!d) return false;
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        entries.push_back({name, folderExists(path + "\\" + name)});
    }
    closedir(d);
    // Windows lists names case-insensitively sorted; do the same here.
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        int c = strcasecmp(a.name.c_str(), b.name.c_str());
        return c != 0 ? c < 0 : a.name < b.name;
    });
    return true;
}

bool removeFile(const std::string& path) { return unlink(nativePath(path).c_str()) == 0; }

bool fileExists(const std::string& path) {
    struct stat st;
    return stat(nativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool folderExists(const std::string& path) {
    struct stat st;
    return stat(nativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool makeFolder(const std::string& path) {
    return mkdir(nativePath(path).c_str(), 0777) == 0 || folderExists(path);
}

bool flushToDisk(FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

static std::string folderOf(const std::string& nativeFile) {
    size_t slash = nativeFile.rfind('/');
    return slash == std::string::npos ? "." : nativeFile.substr(0, slash + 1);
}

bool replaceFile(const std::string& tmpPath, const std::string& finalPath) {
    std::string to = nativePath(finalPath);
    if (std::rename(nativePath(tmpPath).c_str(), to.c_str()) != 0) return false;
    // The rename is only durable once the folder itself is on disk.
    int dir = open(folderOf(to).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

bool removeFolder(const std::string& path) { return rmdir(nativePath(path).c_str()) == 0; }

int copyFile(const std::string& from, const std::string& to) {
    int in = open(nativePath(from).c_str(), O_RDONLY);
    if (in < 0) return errno;
    int out = open(nativePath(to).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (out < 0) {
        int error = errno;
        close(in);
        return error;
    }
    int error = 0;
    char buffer[65536];
    for (;;) {
        ssize_t got = read(in, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            error = errno;
            break;
        }
        for (ssize_t done = 0; done < got && !error;) {
            ssize_t put = write(out, buffer + done, static_cast<size_t>(got - done));
            if (put < 0)
                error = errno;
            else
                done += put;
        }
        if (error) break;
    }
    close(in);
    if (close(out) != 0 && !error) error = errno;
    return error;
}

int lastSystemError() { return errno; }
