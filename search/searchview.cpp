// searchview.cpp — row, key and scroll arithmetic of the search window.
#include "searchview.h"

#include <algorithm>

int32_t clampTopIndex(int32_t topIndex, int32_t count) {
    if (count - topIndex < kSearchRows) topIndex = count - kSearchRows;
    return std::max<int32_t>(topIndex, 0);
}

int32_t scrollRangeMax(int32_t count) { return std::max<int32_t>((count - kSearchRows) / 10, 0); }

int32_t topIndexAfterScroll(ScrollAction action, int32_t top, int32_t count, int32_t thumb) {
    const int32_t last = count - kSearchRows;
    switch (action) {
        case ScrollAction::LineUp: return std::max<int32_t>(top - 1, 0);
        case ScrollAction::LineDown: return std::max<int32_t>(std::min(top + 1, last), 0);
        case ScrollAction::PageUp: return std::max<int32_t>(top - 10, 0);
        case ScrollAction::PageDown: return std::max<int32_t>(std::min(top + 10, last), 0);
        case ScrollAction::ThumbReleased: return thumb * 10;
        case ScrollAction::Other: break;
    }
    return top;
}

int32_t topIndexAfterArrow(bool down, int32_t top, int32_t count) {
    return topIndexAfterScroll(down ? ScrollAction::LineDown : ScrollAction::LineUp, top, count, 0);
}

std::vector<std::string> translationParts(const std::string& translation) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= translation.size()) {
        size_t comma = translation.find(',', start);
        if (comma == std::string::npos) comma = translation.size();
        std::string part = translation.substr(start, comma - start);
        size_t first = part.find_first_not_of(' '), last = part.find_last_not_of(' ');
        if (first != std::string::npos) parts.push_back(part.substr(first, last - first + 1));
        start = comma + 1;
    }
    return parts;
}

std::string soundFilePath(const std::string& language, const std::string& word) {
    return "sound\\" + language + "\\" + word + ".wav";
}
