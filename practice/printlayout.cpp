// printlayout.cpp — lines, wrapping and pages of the program's own layout.
#include "printlayout.h"

#include <algorithm>
#include <iterator>

namespace {

// Breaks one text line [start, end) into printed lines of at most `columns`
// characters: after the last space that fits (the space itself is not
// printed), or at `columns` when there is none.
void wrapLine(const std::string& text, int32_t start, int32_t end, int32_t columns,
              std::vector<PrintedLine>& lines) {
    while (end - start > columns) {
        int32_t space = start + columns;
        while (space > start && text[static_cast<size_t>(space)] != ' ') --space;
        if (space > start) {
            lines.push_back({start, space});
            start = space + 1;
        } else {
            lines.push_back({start, start + columns});
            start += columns;
        }
    }
    lines.push_back({start, end});
}

}  // namespace

std::vector<PrintedLine> layoutPrintLines(const std::string& text, int32_t columns) {
    if (columns < 1) columns = 1;
    std::vector<PrintedLine> lines;
    const int32_t size = static_cast<int32_t>(text.size());
    int32_t start = 0;
    while (start < size) {
        size_t found = text.find("\r\n", static_cast<size_t>(start));
        const int32_t end = found == std::string::npos ? size : static_cast<int32_t>(found);
        wrapLine(text, start, end, columns, lines);
        start = found == std::string::npos ? size : end + 2;
    }
    return lines;
}

PrintLayout::PrintLayout(const std::string& text, int32_t columns, int32_t linesPerPage)
    : lines_(layoutPrintLines(text, columns)),
      linesPerPage_(linesPerPage < 1 ? 1 : linesPerPage),
      textEnd_(static_cast<int32_t>(text.size())) {}

size_t PrintLayout::firstLineAt(int32_t start) const {
    // The line that begins at `start`, or the one that holds it.
    auto it = std::lower_bound(lines_.begin(), lines_.end(), start,
                               [](const PrintedLine& l, int32_t p) { return l.start < p; });
    if (it != lines_.begin() && std::prev(it)->end > start) --it;
    return static_cast<size_t>(it - lines_.begin());
}

int32_t PrintLayout::nextPage(int32_t start) const {
    const size_t after = firstLineAt(start) + static_cast<size_t>(linesPerPage_);
    return after < lines_.size() ? lines_[after].start : textEnd_;
}

std::vector<PrintedLine> PrintLayout::pageLines(int32_t start) const {
    const size_t first = firstLineAt(start);
    const size_t last = std::min(lines_.size(), first + static_cast<size_t>(linesPerPage_));
    return std::vector<PrintedLine>(lines_.begin() + static_cast<std::ptrdiff_t>(first),
                                    lines_.begin() + static_cast<std::ptrdiff_t>(last));
}

std::vector<FormatRun> runsOfLine(const PrintedLine& line, const std::vector<PrintRange>& ranges,
                                  const PrintRange& defaultFormat) {
    std::vector<FormatRun> runs;
    auto add = [&](int32_t from, int32_t to, int charset, bool bold) {
        if (from >= to) return;
        if (!runs.empty() && runs.back().end == from && runs.back().charset == charset &&
            runs.back().bold == bold) {
            runs.back().end = to;
            return;
        }
        runs.push_back({from, to, charset, bold});
    };
    // The first range that ends after the line's start.
    auto it = std::upper_bound(ranges.begin(), ranges.end(), line.start,
                               [](int32_t p, const PrintRange& r) { return p < r.end; });
    int32_t at = line.start;
    for (; it != ranges.end() && it->start < line.end; ++it) {
        add(at, std::min(it->start, line.end), defaultFormat.charset, defaultFormat.bold);
        at = std::max(at, it->start);
        const int32_t to = std::min(it->end, line.end);
        add(at, to, it->charset, it->bold);
        at = std::max(at, to);
    }
    add(at, line.end, defaultFormat.charset, defaultFormat.bold);
    return runs;
}
