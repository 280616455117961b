// files_common.cpp — the parts of the file seam both platforms share.
#include "files.h"

bool commitReplacement(FILE* tmp, const FilePath& tmpPath, const FilePath& finalPath) {
    bool written = flushToDisk(tmp);
    written = (std::fclose(tmp) == 0) && written;
    if (written && replaceFile(tmpPath, finalPath)) return true;
    removeFile(tmpPath);
    return false;
}
