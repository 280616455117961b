// playback.cpp — pronunciations played with PlaySound, synchronously.
#include "playback.h"

#include <mmsystem.h>

#include "pronunciation.h"
#include "widepath.h"

std::wstring pronunciationFile(const std::string& language, unsigned languageCodePage,
                               const std::string& word, unsigned wordCodePage) {
    FilePath path = pronunciationPath(language, static_cast<int>(languageCodePage), word,
                                      static_cast<int>(wordCodePage));
    return path.empty() ? std::wstring() : widePath(path);
}

bool pronunciationExists(const std::wstring& file) {
    if (file.empty()) return false;
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

void playPronunciations(const std::vector<std::wstring>& files) {
    for (const std::wstring& file : files)
        if (pronunciationExists(file))
            PlaySoundW(file.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}
