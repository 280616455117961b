// pagedview.cpp — row, key and scroll arithmetic of the record views.
#include "pagedview.h"

#include <algorithm>

int32_t clampTop(const PagedView& view, int32_t top, int32_t count) {
    if (count - top < view.rows) top = count - view.rows;
    return std::max<int32_t>(top, 0);
}

int32_t scrollRangeMax(const PagedView& view, int32_t count) {
    return std::max<int32_t>((count - view.rows) / view.recordsPerUnit, 0);
}

int32_t topAfterScroll(const PagedView& view, ScrollAction action, int32_t top, int32_t count,
                       int32_t thumb) {
    const int32_t last = std::max<int32_t>(count - view.rows, 0);
    switch (action) {
        case ScrollAction::LineUp: return std::max<int32_t>(top - 1, 0);
        case ScrollAction::LineDown: return std::min(top + 1, last);
        case ScrollAction::PageUp: return std::max<int32_t>(top - view.rows, 0);
        case ScrollAction::PageDown: return std::min(top + view.rows, last);
        case ScrollAction::ThumbReleased: return clampTop(view, thumb * view.recordsPerUnit, count);
        case ScrollAction::Other: break;
    }
    return top;
}

int32_t topAfterArrow(const PagedView& view, bool down, int32_t top, int32_t count) {
    return topAfterScroll(view, down ? ScrollAction::LineDown : ScrollAction::LineUp, top, count,
                          0);
}
