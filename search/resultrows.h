// resultrows.h — records of a word file shown in rows of fields around a
// position, with their scroll bar: the search window's ten rows of headword
// and translation, the text-file search's three, the list editor's ten
// dictionary words and its grid of twelve list words. Reading the records,
// showing them, moving the view by look-up, key and scroll bar.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "fieldoptions.h"
#include "pagedview.h"
#include "wordrecord.h"

// Times New Roman 11 in a pair's two character sets: the headword column
// (and the fields that search it), the translation column.
class ColumnFonts {
   public:
    ColumnFonts() = default;
    ~ColumnFonts() { release(); }
    ColumnFonts(const ColumnFonts&) = delete;
    ColumnFonts& operator=(const ColumnFonts&) = delete;

    // Makes the fonts anew, replacing the ones made before: Times New Roman
    // in the two character sets, 11 points normal unless asked otherwise.
    void make(int headwordCharset, int translationCharset, int points = 11, int weight = 400);
    void release();

    HFONT headword = nullptr, translation = nullptr;
    unsigned headwordCodePage = 1252, translationCodePage = 1252;
};

enum class RecordSource { Dictionary, PracticeList };

// Fields laid out in a grid: field i has the id firstId + i and stands at
// (x + stepX * (i % columns), y + stepY * (i / columns)).
struct FieldGrid {
    int firstId;
    int x, y, width, height;
    int columns, stepX, stepY;
};

struct ResultRowsLayout {
    PagedView view;
    RecordSource source;
    FieldGrid headwords;
    FieldGrid translations;  // firstId 0: no translation column
    int scrollBarId;
    RECT scrollBar;  // left, top, width, height
    DWORD fieldStyle;
    FieldOptions fieldOptions;
    bool showDeletedMark;          // a record marked deleted shows "DELETED"
    bool keepTextAfterFailedRead;  // else the rows from a failed read on are emptied
};

class ResultRows {
   public:
    // Creates the fields (headwords top to bottom, then translations) and
    // the scroll bar; nothing is shown until the first move.
    void create(HWND parent, const ResultRowsLayout& layout);
    void applyFonts(const ColumnFonts& fonts);

    int32_t top() const { return top_; }
    int32_t shownTop() const { return shownTop_; }
    int rows() const { return layout_.view.rows; }
    int32_t count() const;  // records in the file the rows show

    // The records from `top` on (clamped to the file) come into view, when
    // that is not what is shown already; the scroll bar follows.
    void moveTo(int32_t top);
    // Shows the records from `top` on even when that first record is shown
    // already (the file changed), with the scroll range for its count.
    void showAgain(int32_t top);
    // findWord over the dictionary; the record found comes first.
    void lookUp(const std::string& key);
    void arrow(bool down);
    // WM_VSCROLL from the rows' scroll bar.
    void scroll(UINT code, int position);
    void resetScrollRange();

    // The search field of the rows: every change of its text looks it up
    // (the first 37 characters); Enter empties it, Up and Down move the view
    // one record. True when the command was the search field's.
    bool handleSearchField(HWND field, UINT code, UINT changeNotification = EN_CHANGE);

    // Which row a field shows, and in which column.
    bool rowOf(HWND field, int& row, bool& isHeadword) const;
    HWND headwordField(int row) const { return headwords_[row]; }
    HWND translationField(int row) const { return translations_[row]; }
    // Shows a record in a row (after the caller changed it).
    void showRecord(int row, const WordRecord& record);

   private:
    void showRows();
    void emptyRow(int row);
    int readRecord(int32_t index) const;

    static constexpr int kMaxRows = 12;
    ResultRowsLayout layout_{};
    HWND headwords_[kMaxRows] = {};
    HWND translations_[kMaxRows] = {};
    HWND scrollBar_ = nullptr;
    int32_t top_ = 0, shownTop_ = -1;
};
