// headwordsort.cpp — a walk that keeps a sorted run, and a sort by keys.
#include "headwordsort.h"

#include <algorithm>

#include "keysort.h"

namespace {

// The order the result must have: the comparison, then the index.
struct ExactLess {
    const std::vector<const char*>& words;
    const WordOrder& order;
    ComparisonCount& count;
    bool operator()(uint32_t x, uint32_t y) const {
        count.count();
        int c = order.compare(words[x], words[y]);
        return c != 0 ? c < 0 : x < y;
    }
};

// More out of place than this after `walked` entries, and sorting from
// scratch is cheaper than merging: a random order gets there within the
// first few hundred entries, a sorted run with a few changes never does.
bool tooManyOutOfPlace(size_t outOfPlace, size_t walked) { return outOfPlace > 64 + walked / 8; }

// Where y goes in run[from ..]: the first entry y sorts before, found by
// steps that double from `from`, then halving; few comparisons when y's
// place is near.
size_t placeInRun(const std::vector<uint32_t>& run, size_t from, uint32_t y,
                  const ExactLess& less) {
    size_t step = 1, lo = from, hi = from;
    while (hi < run.size() && !less(y, run[hi])) {
        lo = hi + 1;
        hi = from + step;
        step *= 2;
    }
    hi = std::min(hi, run.size());
    return static_cast<size_t>(std::upper_bound(run.begin() + static_cast<std::ptrdiff_t>(lo),
                                                run.begin() + static_cast<std::ptrdiff_t>(hi), y,
                                                less) -
                               run.begin());
}

// Orders the n `entries` when they are a sorted run with some entries out
// of place; empty `entries` stand for 0, 1, ... n - 1, the words' own order.
// One walk keeps a sorted run: an entry that does not follow the last one
// kept takes that one out with it (one of the two is out of place, and
// taking both out costs at most one entry that was in place). The entries
// taken out are sorted and merged into the run. Returns false, with
// `entries` unchanged, when `limited` and too many are out of place.
bool sortNearlySorted(std::vector<uint32_t>& entries, size_t n, const ExactLess& less,
                      bool limited) {
    std::vector<uint32_t> run, out;
    run.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        uint32_t x = entries.empty() ? static_cast<uint32_t>(i) : entries[i];
        if (run.empty() || less(run.back(), x)) {
            run.push_back(x);
            continue;
        }
        out.push_back(run.back());
        run.pop_back();
        out.push_back(x);
        if (limited && tooManyOutOfPlace(out.size(), i + 1)) return false;
    }
    if (out.empty()) {
        entries.swap(run);
        return true;
    }
    entries.resize(n);
    std::sort(out.begin(), out.end(), less);
    size_t next = 0, filled = 0;
    for (uint32_t y : out) {
        size_t place = placeInRun(run, next, y, less);
        while (next < place) entries[filled++] = run[next++];
        entries[filled++] = y;
    }
    while (next < run.size()) entries[filled++] = run[next++];
    return true;
}

}  // namespace

std::vector<uint32_t> sortHeadwords(const std::vector<const char*>& words, const WordOrder& order,
                                    ComparisonCount& count) {
    const ExactLess less{words, order, count};
    std::vector<uint32_t> sorted;
    if (sortNearlySorted(sorted, words.size(), less, true)) return sorted;
    bool exact = true;
    sorted = sortByKeys(words, order, count, exact);
    if (!exact) sortNearlySorted(sorted, sorted.size(), less, false);
    return sorted;
}

std::vector<uint32_t> sortHeadwords(const std::vector<const char*>& words, const WordOrder& order) {
    ComparisonCount uncounted(1, 0, nullptr);
    return sortHeadwords(words, order, uncounted);
}
