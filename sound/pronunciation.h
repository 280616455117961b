// pronunciation.h — where the pronunciation of a word lives: one wave file
// per word and language, "sound\<language>\<word>.wav".
#pragma once

#include <string>

// "sound\<language>\": the folder of a language's pronunciations.
std::string pronunciationFolder(const std::string& language);

// Whether a word can name a file inside that folder: not when it is empty,
// holds "\", "/" or ":", or is "." or "..". Such a word has no
// pronunciation, and none is ever written for it.
bool namesPronunciationFile(const std::string& word);

// The file of a word; an empty text when the word names no file.
std::string pronunciationPath(const std::string& language, const std::string& word);
