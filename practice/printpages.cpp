// printpages.cpp — page rectangle, copies and ranges.
#include "printpages.h"

int32_t scaleRounded(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return 0;
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t half = (c < 0 ? -static_cast<int64_t>(c) : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude =
        ((product < 0 ? -product : product) + half) / (c < 0 ? -int64_t{c} : c);
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

PrintPage printPageFor(int32_t physicalWidth, int32_t physicalHeight, int32_t dotsPerInchX,
                       int32_t dotsPerInchY) {
    PrintPage page;
    page.width = scaleRounded(physicalWidth, 1440, dotsPerInchX);
    page.height = scaleRounded(physicalHeight, 1440, dotsPerInchY);
    page.printRect = {0, 0, page.width, page.height};
    if (page.width > 3600) {
        page.printRect.left += 360;
        page.printRect.right -= 360;
    }
    if (page.height > 4320) {
        page.printRect.top += 720;
        page.printRect.bottom -= 720;
    }
    return page;
}

namespace {

// One pass over the document; false when the printer refused a page.
bool printPass(PageSource& source, const PrintChoices& choices, int32_t copiesOfEachPage,
               int32_t start, int32_t end, PrintOutcome& run) {
    int32_t page = 1;
    for (;;) {
        const int32_t next = source.measurePage(start);
        if (!choices.pageRange || page >= choices.fromPage) {
            for (int32_t k = 0; k < copiesOfEachPage; ++k) {
                if (!source.printPage(start, next)) return false;
                ++run.pagesPrinted;
            }
        }
        ++page;
        if (choices.pageRange && page > choices.toPage) return true;
        if (next >= end) return true;
        if (next <= start) {  // nothing laid out: the next page would be this one again
            run.stoppedStuck = true;
            return true;
        }
        start = next;
    }
}

}  // namespace

PrintOutcome printPasses(PageSource& source, const PrintChoices& choices, int32_t start,
                         int32_t end) {
    PrintOutcome run;
    const int32_t copies = choices.copies > 0 ? choices.copies : 1;
    const int32_t passes = choices.collate ? copies : 1;
    const int32_t copiesOfEachPage = choices.collate ? 1 : copies;
    for (int32_t pass = 0; pass < passes && !run.stoppedStuck; ++pass) {
        if (!printPass(source, choices, copiesOfEachPage, start, end, run)) {
            run.failed = true;
            break;
        }
    }
    return run;
}
