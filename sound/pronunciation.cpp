// pronunciation.cpp — pronunciation file names.
#include "pronunciation.h"

std::string pronunciationFolder(const std::string& language) { return "sound\\" + language + "\\"; }

// A word goes into the path as it stands, so one that could reach outside
// the language's folder must name no file at all.
bool namesPronunciationFile(const std::string& word) {
    return !word.empty() && word != "." && word != ".." &&
           word.find_first_of("\\/:") == std::string::npos;
}

FilePath pronunciationPath(const std::string& language, int languageCodePage,
                           const std::string& word, int wordCodePage) {
    if (!namesPronunciationFile(word)) return FilePath();
    return FilePath(pronunciationFolder(language), languageCodePage) +
           FilePath(word, wordCodePage) + FilePath(".wav", languageCodePage);
}
