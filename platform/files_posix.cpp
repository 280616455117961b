// files_posix.cpp — the file seam on Linux, for the native build. Names on
// disk are UTF-8, as Wine writes them for the Windows programs.
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "files.h"

// Text of the system code page is the bytes as they are.
std::string platformTextToUtf8(const std::string& text, int) { return text; }

bool platformUtf8ToText(const std::string& utf8, int, std::string& text) {
    text = utf8;
    return true;
}

std::string nativePath(const FilePath& path) {
    std::string p = path.utf8();
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

FILE* openFile(const FilePath& path, const char* mode) {
    return std::fopen(nativePath(path).c_str(), mode);
}

bool listFolder(const FilePath& path, std::vector<FolderEntry>& entries) {
    entries.clear();
    std::string dir = nativePath(path);
    if (dir.empty()) dir = ".";
    DIR* d = opendir(dir.c_str());
    if (!d) return false;
    while (dirent* e = readdir(d)) {
        std::string system = e->d_name, name;
        if (system == "." || system == "..") continue;
        if (!toPathText(system, name)) continue;
        struct stat st;
        bool isFolder = stat((dir + "/" + system).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        entries.push_back({name, isFolder});
    }
    closedir(d);
    // Windows lists names case-insensitively sorted; do the same here.
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        int c = strcasecmp(a.name.c_str(), b.name.c_str());
        return c != 0 ? c < 0 : a.name < b.name;
    });
    return true;
}

bool removeFile(const FilePath& path) { return unlink(nativePath(path).c_str()) == 0; }

bool fileExists(const FilePath& path) {
    struct stat st;
    return stat(nativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool folderExists(const FilePath& path) {
    struct stat st;
    return stat(nativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool makeFolder(const FilePath& path) {
    return mkdir(nativePath(path).c_str(), 0777) == 0 || folderExists(path);
}

bool removeFolder(const FilePath& path) { return rmdir(nativePath(path).c_str()) == 0; }

namespace {

// Copies the open source into the new file, then makes it durable. errno of
// the step that failed, or 0.
int copyContents(int source, int target) {
    char buffer[1 << 16];
    for (;;) {
        ssize_t got = read(source, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) break;
        for (ssize_t done = 0; done < got;) {
            ssize_t put = write(target, buffer + done, static_cast<size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            done += put;
        }
    }
    return fsync(target) == 0 ? 0 : errno;
}

}  // namespace

int copyFile(const FilePath& from, const FilePath& to) {
    const FilePath tmp = to + ".tmp";
    int source = open(nativePath(from).c_str(), O_RDONLY);
    if (source < 0) return errno;
    int target = open(nativePath(tmp).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (target < 0) {
        int error = errno;
        close(source);
        return error;
    }
    int error = copyContents(source, target);
    close(source);
    if (close(target) != 0 && error == 0) error = errno;
    if (error == 0 && !replaceFile(tmp, to)) error = errno;
    if (error != 0) removeFile(tmp);
    return error;
}

bool flushToDisk(FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

static std::string folderOf(const std::string& nativeFile) {
    size_t slash = nativeFile.rfind('/');
    return slash == std::string::npos ? "." : nativeFile.substr(0, slash + 1);
}

bool replaceFile(const FilePath& tmpPath, const FilePath& finalPath) {
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

bool seekFile(FILE* file, int64_t offset) { return fseeko(file, offset, SEEK_SET) == 0; }

int64_t fileSize(FILE* file) {
    if (fseeko(file, 0, SEEK_END) != 0) return 0;
    int64_t size = ftello(file);
    seekFile(file, 0);
    return size < 0 ? 0 : size;
}

bool readFileAt(FILE* file, int64_t offset, void* data, size_t size) {
    // The seek and the read as one positioned read: a look-up's cost is its
    // system calls, and this halves them.
    ssize_t got = pread(fileno(file), data, size, static_cast<off_t>(offset));
    return got == static_cast<ssize_t>(size);
}
