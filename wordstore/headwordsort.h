// headwordsort.h — the one sort of headwords behind the dictionary re-sort,
// the reverse word list and wbtool.
//
// The result is the order of the comparison with equal headwords in their
// original order, whatever the input: every way through gives the same
// order, so a file re-sorted after a small change is byte for byte the file
// a sort from scratch would give.
//
// How it gets there cheaply:
// - A sorted run with a few entries out of place (a dictionary after a few
//   words were appended or edited in place) is walked once; the entries out
//   of place are sorted on their own and merged into the run. No sorted run
//   is taken on trust: the walk compares every neighbour.
// - Anything else is sorted by sort keys, made once per headword and compared
//   as bytes. A locale's keys come from the platform and are not trusted to
//   agree with its comparison: the keyed order is walked with the comparison
//   as above, and any pair the keys got wrong is put right by it.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "wordorder.h"

// Counts the comparisons a sort makes, from `made` on, and calls `reached`
// with the count before each comparison whose number is a multiple of
// `every` (0, every, 2 * every, ... when counting from 0).
class ComparisonCount {
   public:
    using Reached = std::function<void(int64_t made)>;
    ComparisonCount(int64_t every, int64_t made, Reached reached)
        : every_(every),
          made_(made),
          next_((made + every - 1) / every * every),
          reached_(std::move(reached)) {}
    void count() {
        if (made_ == next_) {
            if (reached_) reached_(made_);
            next_ += every_;
        }
        ++made_;
    }
    int64_t made() const { return made_; }

   private:
    int64_t every_, made_, next_;
    Reached reached_;
};

// The indices 0 .. words.size() - 1 ordered by `order` on the words, equal
// words by index.
std::vector<uint32_t> sortHeadwords(const std::vector<const char*>& words, const WordOrder& order,
                                    ComparisonCount& count);
std::vector<uint32_t> sortHeadwords(const std::vector<const char*>& words, const WordOrder& order);
