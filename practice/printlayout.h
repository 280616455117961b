// printlayout.h — the program's own layout of the print document, for
// where the rich-text control lays out nothing (Wine): a fixed-pitch face,
// so a line is a run of character cells; lines longer than the print
// rectangle wrap, and a page holds as many lines as fit its height.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "printtext.h"

// One printed line: the characters [start, end) of the document text,
// line end excluded.
struct PrintedLine {
    int32_t start, end;
};

// The document's printed lines. Text lines end at CR LF (the last one may
// end without); a line wider than `columns` characters breaks after its
// last space that fits, or at `columns` when no space does. The empty
// line after a final line end is no printed line.
std::vector<PrintedLine> layoutPrintLines(const std::string& text, int32_t columns);

// Print layout of a document on pages of `linesPerPage` lines.
class PrintLayout {
   public:
    PrintLayout(const std::string& text, int32_t columns, int32_t linesPerPage);

    // Where the page that begins at `start` ends: the start of the first
    // line that does not fit, or the text's end.
    int32_t nextPage(int32_t start) const;

    // The lines of the page that begins at `start`.
    std::vector<PrintedLine> pageLines(int32_t start) const;

    int32_t textEnd() const { return textEnd_; }

   private:
    size_t firstLineAt(int32_t start) const;
    std::vector<PrintedLine> lines_;
    int32_t linesPerPage_, textEnd_;
};

// A piece of a printed line in one format.
struct FormatRun {
    int32_t start, end;
    int charset;
    bool bold;
};

// Cuts a printed line into runs of one format each: the ranges' formats
// where they cover it, the default format elsewhere. `ranges` in document
// order, not overlapping (as printTextRanges makes them).
std::vector<FormatRun> runsOfLine(const PrintedLine& line, const std::vector<PrintRange>& ranges,
                                  const PrintRange& defaultFormat);
