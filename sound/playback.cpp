// playback.cpp — pronunciations played with PlaySound, synchronously.
#include "playback.h"

#include <mmsystem.h>

#include "pronunciation.h"
#include "widetext.h"

std::wstring pronunciationFile(const std::string& language, unsigned languageCodePage,
                               const std::string& word, unsigned wordCodePage) {
    if (!namesPronunciationFile(word)) return std::wstring();
    return toWide(pronunciationFolder(language), languageCodePage) + toWide(word, wordCodePage) +
           L".wav";
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
