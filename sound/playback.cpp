// playback.cpp — pronunciations played with PlaySound, synchronously.
#include "playback.h"

#include <mmsystem.h>

#include "pronunciation.h"
#include "widepath.h"

std::wstring pronunciationFile(const std::string& language, unsigned languageCodePage,
                               const std::string& word, unsigned wordCodePage) {
    if (!namesPronunciationFile(word)) return std::wstring();
    // The folder is text of the UI edition, the word of its own language:
    // each piece keeps its code page on the way to the file's Unicode name.
    const int folderPage = static_cast<int>(languageCodePage);
    const int wordPage = static_cast<int>(wordCodePage);
    return widePath(FilePath(pronunciationFolder(language), folderPage) + FilePath(word, wordPage) +
                    ".wav");
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
