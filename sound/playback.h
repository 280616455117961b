// playback.h — finding and playing pronunciation files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The pronunciation file of a word (pronunciation.h) as a name the wide
// file functions take; empty when the word names no file.
std::wstring pronunciationFile(const std::string& language, unsigned languageCodePage,
                               const std::string& word, unsigned wordCodePage);

// Whether the file is there to be played: a file that can be opened for
// reading (a folder of that name is not one).
bool pronunciationExists(const std::wstring& file);

// Plays the files one after another, each to its end before the next; a
// file that is missing is skipped.
void playPronunciations(const std::vector<std::wstring>& files);
