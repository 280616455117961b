// files_common.cpp — the parts of the file seam both platforms share.
#include "files.h"

bool commitReplacement(FILE* tmp, const FilePath& tmpPath, const FilePath& finalPath) {
    bool written = flushToDisk(tmp);
    written = (std::fclose(tmp) == 0) && written;
    if (written && replaceFile(tmpPath, finalPath)) return true;
    removeFile(tmpPath);
    return false;
}

bool readWholeFile(const FilePath& path, std::string& bytes) {
    bytes.clear();
    FILE* file = openFile(path, "rb");
    if (!file) return false;
    char chunk[1 << 16];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
    const bool complete = !std::ferror(file);
    std::fclose(file);
    if (!complete) bytes.clear();
    return complete;
}
