// pronunciation.h — where the pronunciation of a word lives: one wave file
// per word and language, "sound\<language>\<word>.wav".
#pragma once

#include <string>

#include "filepath.h"

// "sound\<language>\": the folder of a language's pronunciations.
std::string pronunciationFolder(const std::string& language);

// Whether a word can name a file inside that folder: not when it is empty,
// holds "\", "/" or ":", or is "." or "..". Such a word has no
// pronunciation, and none is ever written for it.
bool namesPronunciationFile(const std::string& word);

// The file of a word, the one name Play looks for and the recorder writes:
// the language's name is text of the UI edition, the word text of its own
// language, each converted from its own code page on the way to the file's
// Unicode name (a Russian word's file carries its Cyrillic name). Empty
// when the word names no file.
FilePath pronunciationPath(const std::string& language, int languageCodePage,
                           const std::string& word, int wordCodePage);
