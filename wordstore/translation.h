// translation.h — the pieces of a translation: its alternatives are
// separated by commas. Each function's name says how it trims.
#pragma once

#include <string>
#include <vector>

// The text without the spaces before and after it (spaces only, not tabs);
// empty when nothing else is left.
std::string trimBlanks(const std::string& text);

// The pieces between commas, each with trimBlanks applied; pieces that are
// then empty are left out. The parts whose pronunciations are played.
std::vector<std::string> trimmedPieces(const std::string& translation);

// The trimmed pieces joined with ", " (a comma and one blank).
std::string normaliseTranslation(const std::string& translation);

// The pieces between commas with the spaces before each piece skipped
// (those after it kept); no piece for a run of commas. The pieces that
// become headwords of the reverse word list.
std::vector<std::string> piecesSkippingLeadingBlanks(const char* translation);
