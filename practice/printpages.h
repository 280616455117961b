// printpages.h — the arithmetic of a printout: the page rectangle in
// twips, and the passes over the document that give copies (collated or
// not) and page ranges, page by page.
#pragma once

#include <cstdint>

struct TwipsRect {
    int32_t left, top, right, bottom;
};

struct PrintPage {
    int32_t width, height;  // the whole page in twips
    TwipsRect printRect;    // where the text goes
};

// The page in twips (1/1440 inch) from the printer's physical size in dots
// and its resolution, each multiplied, then divided to the nearest whole
// twip; the print rectangle is the page narrowed by a quarter inch left and
// right when it is wider than 3600 twips, and by half an inch at the top
// and the bottom when it is taller than 4320 twips.
PrintPage printPageFor(int32_t physicalWidth, int32_t physicalHeight, int32_t dotsPerInchX,
                       int32_t dotsPerInchY);

// a x b / c rounded to the nearest whole number, halves away from zero;
// 0 when c is 0. In 64 bits, so that no product overflows.
int32_t scaleRounded(int32_t a, int32_t b, int32_t c);

// What the user chose in the print dialog.
struct PrintChoices {
    int32_t copies = 1;
    bool collate = false;
    bool pageRange = false;  // only pages fromPage ... toPage
    int32_t fromPage = 1, toPage = 1;
};

// The document as a printer sees it, page by page, in character positions.
class PageSource {
   public:
    virtual ~PageSource() = default;
    // Lays out the page that begins at `start` without printing it; the
    // position where the next page begins.
    virtual int32_t measurePage(int32_t start) = 0;
    // Prints the page last measured (start page, the page's band, end
    // page). False when the printer refused the page: the job stops.
    virtual bool printPage(int32_t start, int32_t next) = 0;
};

struct PrintOutcome {
    int32_t pagesPrinted = 0;   // sheets handed to the printer, copies included
    bool stoppedStuck = false;  // a page laid out nothing: the passes ended there
    bool failed = false;        // the printer refused a page
};

// Prints the characters [start, end) of a document: with collated copies
// the whole document once per copy, else once with each page repeated per
// copy; with a page range, only those pages (numbered from 1 in each
// pass). A page that makes no progress ends the pass: a layout that lays
// out nothing never loops for ever.
PrintOutcome printPasses(PageSource& source, const PrintChoices& choices, int32_t start,
                         int32_t end);
