// searchview.h — the arithmetic of the search window's ten rows: which
// record comes first after a look-up, a key or a scroll, and the scroll range.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kSearchRows = 10;
constexpr size_t kSearchKeyChars = 37;  // look-ups use the first 37 characters

// The last page is always full; with fewer than ten records the view stays
// on the records from the first.
int32_t clampTopIndex(int32_t topIndex, int32_t count);

// Scroll range 0 .. (count - 10) / 10; each unit is ten records.
int32_t scrollRangeMax(int32_t count);

enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, ThumbReleased, Other };

// The new first record for a scroll-bar action (thumbPosition for a released thumb).
int32_t topIndexAfterScroll(ScrollAction action, int32_t topIndex, int32_t count,
                            int32_t thumbPosition);

// Up and Down in the search field.
int32_t topIndexAfterArrow(bool down, int32_t topIndex, int32_t count);

// The parts of a translation whose pronunciations are played: split at ","
// with the spaces around each part removed; empty parts are left out.
std::vector<std::string> translationParts(const std::string& translation);

// "sound\" + language + "\" + word + ".wav"
std::string soundFilePath(const std::string& language, const std::string& word);
