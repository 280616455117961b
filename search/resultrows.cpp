// resultrows.cpp — reading, showing and moving the rows of records.
#include "resultrows.h"

#include "fonts.h"
#include "lookup.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "windowtext.h"
#include "wordstore.h"

void ColumnFonts::make(int headwordCharset, int translationCharset, int points, int weight) {
    release();
    headword = createUiFont(points, weight, L"Times New Roman", headwordCharset);
    translation = createUiFont(points, weight, L"Times New Roman", translationCharset);
    headwordCodePage = windowCodePage(headwordCharset);
    translationCodePage = windowCodePage(translationCharset);
}

void ColumnFonts::release() {
    if (headword) DeleteObject(headword);
    if (translation) DeleteObject(translation);
    headword = translation = nullptr;
}

namespace {

HWND createField(HWND parent, const FieldGrid& grid, int i, DWORD style) {
    const int x = grid.x + grid.stepX * (i % grid.columns);
    const int y = grid.y + grid.stepY * (i / grid.columns);
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, x, y, grid.width, grid.height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(grid.firstId + i)),
                           GetModuleHandleW(nullptr), nullptr);
}

ScrollAction actionOf(UINT code) {
    switch (code) {
        case SB_LINEUP: return ScrollAction::LineUp;
        case SB_LINEDOWN: return ScrollAction::LineDown;
        case SB_PAGEUP: return ScrollAction::PageUp;
        case SB_PAGEDOWN: return ScrollAction::PageDown;
        case SB_THUMBPOSITION: return ScrollAction::ThumbReleased;
        default: return ScrollAction::Other;
    }
}

}  // namespace

void ResultRows::create(HWND parent, const ResultRowsLayout& layout) {
    layout_ = layout;
    const int n = layout.view.rows;
    for (int i = 0; i < n; ++i) {
        headwords_[i] = createField(parent, layout.headwords, i, layout.fieldStyle);
        subclassField(headwords_[i], layout.fieldOptions);
    }
    if (layout.translations.firstId) {
        for (int i = 0; i < n; ++i) {
            translations_[i] = createField(parent, layout.translations, i, layout.fieldStyle);
            subclassField(translations_[i], layout.fieldOptions);
        }
    }
    const RECT& s = layout.scrollBar;
    scrollBar_ = CreateWindowW(L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, s.left, s.top,
                               s.right, s.bottom, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.scrollBarId)),
                               GetModuleHandleW(nullptr), nullptr);
    top_ = 0;
    shownTop_ = -1;
}

void ResultRows::applyFonts(const ColumnFonts& fonts) {
    for (int i = 0; i < rows(); ++i) {
        giveColumnFont(headwords_[i], fonts.headword, fonts.headwordCodePage);
        if (translations_[i])
            giveColumnFont(translations_[i], fonts.translation, fonts.translationCodePage);
    }
}

int32_t ResultRows::count() const {
    return layout_.source == RecordSource::Dictionary ? wordStore.dictionaryCount
                                                      : wordStore.listCount;
}

int ResultRows::readRecord(int32_t index) const {
    return layout_.source == RecordSource::Dictionary ? readDictionaryRecord(index)
                                                      : readListRecord(index);
}

void ResultRows::showRecord(int row, const WordRecord& r) {
    const bool marked = layout_.showDeletedMark && isMarkedDeleted(r);
    const std::wstring deleted = marked ? uiText(ui::kDeleted) : std::wstring();
    const unsigned headwordCp = fieldCodePage(headwords_[row]);
    setWindowTextIfChanged(headwords_[row], marked ? deleted : toWide(r.headword, headwordCp));
    if (HWND t = translations_[row])
        setWindowTextIfChanged(t, marked ? deleted : toWide(r.translation, fieldCodePage(t)));
}

void ResultRows::emptyRow(int row) {
    setWindowTextIfChanged(headwords_[row], L"");
    if (translations_[row]) setWindowTextIfChanged(translations_[row], L"");
}

void ResultRows::showRows() {
    const int32_t n = count();
    for (int row = 0; row < rows(); ++row) {
        if (top_ + row >= n) {
            emptyRow(row);
        } else if (readRecord(top_ + row) != 0) {
            if (!layout_.keepTextAfterFailedRead)
                for (int rest = row; rest < rows(); ++rest) emptyRow(rest);
            break;
        } else {
            showRecord(row, wordStore.recordBuffer);
        }
    }
    // The scroll bar is redrawn with the next paint rather than at once: the
    // rows are what the user waits for.
    const int32_t position = scrollPosition(layout_.view, top_);
    if (SetScrollPos(scrollBar_, SB_CTL, position, FALSE) != position)
        InvalidateRect(scrollBar_, nullptr, FALSE);
    shownTop_ = top_;
}

void ResultRows::moveTo(int32_t top) {
    top_ = clampTop(layout_.view, top, count());
    if (top_ != shownTop_) showRows();
}

void ResultRows::showAgain(int32_t top) {
    top_ = clampTop(layout_.view, top, count());
    resetScrollRange();
    showRows();
}

void ResultRows::lookUp(const std::string& key) { moveTo(findWord(key.c_str())); }

void ResultRows::arrow(bool down) { moveTo(topAfterArrow(layout_.view, down, top_, count())); }

void ResultRows::scroll(UINT code, int position) {
    // The message carries 16 bits of position; a long file needs the scroll
    // bar's own 32-bit track position.
    SCROLLINFO info = {sizeof info, SIF_TRACKPOS | SIF_RANGE};
    GetScrollInfo(scrollBar_, SB_CTL, &info);
    if (info.nMax <= 0xFFFF) info.nTrackPos = position;
    moveTo(topAfterScroll(layout_.view, actionOf(code), top_, count(), info.nTrackPos));
}

void ResultRows::resetScrollRange() {
    SetScrollRange(scrollBar_, SB_CTL, 0, scrollRangeMax(layout_.view, count()), TRUE);
}

bool ResultRows::handleSearchField(HWND field, UINT code, UINT changeNotification) {
    if (code == changeNotification) {
        lookUp(fieldBytes(field, kLookupKeyChars));
        return true;
    }
    if (code != kFieldKeyNotification) return false;
    switch (reportedKey(field)) {
        case VK_RETURN: SetWindowTextW(field, L""); break;  // looks up the empty text
        case VK_UP: arrow(false); break;
        case VK_DOWN: arrow(true); break;
    }
    return true;
}

bool ResultRows::rowOf(HWND field, int& row, bool& isHeadword) const {
    for (int i = 0; i < rows(); ++i) {
        if (field == headwords_[i] || (field && field == translations_[i])) {
            row = i;
            isHeadword = field == headwords_[i];
            return true;
        }
    }
    return false;
}
