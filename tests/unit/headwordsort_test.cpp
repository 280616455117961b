// The sort of headwords: whatever the input and however it is sorted (a walk
// over a nearly sorted run, or keys), the result is the comparison's order
// with equal words in their original order; keys that disagree with the
// comparison never show in the result; comparisons are counted as made.
#include "headwordsort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>
#include <random>
#include <string>

#include "collate.h"
#include "sortkey.h"
#include "textcase.h"

namespace {

using Words = std::vector<std::string>;

// Case, accents (code page 1252), hyphens, apostrophes, blanks and equal
// words; a quarter share a prefix longer than a key's first eight bytes.
Words randomWords(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    const std::string letters = "abcdeEqQxzZ-' \xe9\xc9\xe8\xfc\xe6\xdf";
    Words words;
    for (size_t i = 0; i < n; ++i) {
        std::string w(rng() % 9, ' ');
        for (char& c : w) c = letters[rng() % letters.size()];
        if (rng() % 4 == 0) w = "common-prefix" + w;
        if (rng() % 10 == 0 && !words.empty()) w = words[rng() % words.size()];
        words.push_back(w);
    }
    return words;
}

std::vector<const char*> pointers(const Words& words) {
    std::vector<const char*> p;
    for (const std::string& w : words) p.push_back(w.c_str());
    return p;
}

// The definition of the result: a stable sort by the comparison.
std::vector<uint32_t> reference(const Words& words, const WordOrder& order) {
    std::vector<uint32_t> r(words.size());
    std::iota(r.begin(), r.end(), 0u);
    std::stable_sort(r.begin(), r.end(), [&](uint32_t x, uint32_t y) {
        return order.compare(words[x].c_str(), words[y].c_str()) < 0;
    });
    return r;
}

Words inOrder(const Words& words, const std::vector<uint32_t>& order) {
    Words out;
    for (uint32_t i : order) out.push_back(words[i]);
    return out;
}

// The changes a dictionary sees between two re-sorts, and worse.
std::vector<std::pair<std::string, std::function<Words(Words, std::mt19937&)>>> scenarios() {
    auto edit = [](Words w, std::mt19937& rng, size_t count) {
        for (size_t k = 0; k < count && !w.empty(); ++k)
            w[rng() % w.size()] = randomWords(1, static_cast<unsigned>(rng()))[0];
        return w;
    };
    return {
        {"random", [](Words w, std::mt19937&) { return w; }},
        {"sorted", [](Words w, std::mt19937&) { return w; }},
        {"five appended",
         [](Words w, std::mt19937& rng) {
             for (const std::string& a : randomWords(5, static_cast<unsigned>(rng())))
                 w.push_back(a);
             return w;
         }},
        {"twenty edited in place", [edit](Words w, std::mt19937& rng) { return edit(w, rng, 20); }},
        {"a block moved to the front",
         [](Words w, std::mt19937&) {
             std::rotate(w.begin(), w.begin() + static_cast<long>(w.size() * 2 / 3), w.end());
             return w;
         }},
        {"first made last, last made first",
         [](Words w, std::mt19937&) {
             if (w.size() > 1) w.front() = "\xff\xff", w.back() = "";
             return w;
         }},
        {"reversed",
         [](Words w, std::mt19937&) {
             std::reverse(w.begin(), w.end());
             return w;
         }},
        {"each word the start of the next, shuffled",
         [](Words w, std::mt19937& rng) {
             for (size_t i = 0; i < w.size(); ++i) w[i] = std::string(i % 40, "aA"[i % 2]);
             std::shuffle(w.begin(), w.end(), rng);
             return w;
         }},
        {"all equal but for case",
         [](Words w, std::mt19937& rng) {
             for (std::string& s : w) s = (rng() % 2) ? "Equal" : "eQUAL";
             return w;
         }},
        {"half appended", [edit](Words w, std::mt19937& rng) {
             Words more = randomWords(w.size() / 2, static_cast<unsigned>(rng()));
             w.insert(w.end(), more.begin(), more.end());
             return edit(w, rng, 3);
         }}};
}

// Keys that agree with A-Z folding except that q sorts after z, and none at
// all for words with an x: the sort must follow the comparison anyway.
WordOrder foldingWithLyingKeys() {
    WordOrder order = foldingOrder();
    order.keyWith = [](const char* text, const unsigned char*, unsigned char* key,
                       size_t capacity) {
        if (std::strchr(text, 'x')) return kNoKey;
        size_t n = foldedKey(text, key, capacity);
        for (size_t i = 0; n != kNoKey && i < n; ++i)
            if (key[i] == 'q') key[i] = '{';
        return n;
    };
    order.keysAreExact = false;
    return order;
}

std::vector<std::pair<std::string, WordOrder>> orders(const unsigned char* table) {
    std::vector<std::pair<std::string, WordOrder>> o = {{"A-Z folding", foldingOrder()},
                                                        {"sort table", sortTableOrder(table)},
                                                        {"lying keys", foldingWithLyingKeys()}};
    if (setCollationLocale("french")) o.push_back({"locale french", localeOrder()});
    return o;
}

class HeadwordSortTest : public ::testing::Test {
   protected:
    void TearDown() override { clearCollationLocale(); }
    unsigned char table[256];
    void SetUp() override {
        // Case folded, the hyphen ignored, the apostrophe ends a text, z first.
        for (int c = 0; c < 256; ++c)
            table[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        table[1] = 2;
        table['-'] = 1;
        table['\''] = 0;
        table['z'] = 3;
    }
};

TEST_F(HeadwordSortTest, EveryInputEndsInTheComparisonsOrderWithTiesInOriginalOrder) {
    for (auto& [orderName, order] : orders(table)) {
        for (auto& [scenario, change] : scenarios()) {
            for (size_t n : {0, 1, 2, 7, 3000}) {
                std::mt19937 rng(static_cast<unsigned>(n) + 17);
                Words words = randomWords(n, static_cast<unsigned>(n) * 3 + 1);
                if (scenario != "random") words = inOrder(words, reference(words, order));
                words = change(words, rng);
                ComparisonCount count(2000, 0, nullptr);
                std::vector<uint32_t> sorted = sortHeadwords(pointers(words), order, count);
                ASSERT_EQ(sorted, reference(words, order))
                    << orderName << ", " << scenario << ", " << n << " words";
            }
        }
    }
}

// A counter that records what it reports.
struct Reported {
    Reported(int64_t every, int64_t from = 0)
        : count(every, from, [this](int64_t made) { counts.push_back(made); }) {}
    std::vector<int64_t> counts;
    ComparisonCount count;
    int64_t made() const { return count.made(); }
};

TEST_F(HeadwordSortTest, ASortedRunWithAFewChangesCostsAWalkNotASort) {
    for (auto& [orderName, order] : orders(table)) {
        Words words = randomWords(20000, 5);
        words = inOrder(words, reference(words, order));
        Reported sorted(1000);
        sortHeadwords(pointers(words), order, sorted.count);
        EXPECT_EQ(sorted.made(), 19999) << orderName;  // each neighbour once

        std::mt19937 rng(3);
        words[rng() % words.size()] = "edited";
        for (const std::string& a : randomWords(5, 9)) words.push_back(a);
        Reported changed(1000);
        sortHeadwords(pointers(words), order, changed.count);
        EXPECT_LT(changed.made(), 20005 + 400) << orderName;
        // Reported before the comparisons numbered 0, 1000, 2000, ...
        ASSERT_FALSE(changed.counts.empty());
        for (size_t i = 0; i < changed.counts.size(); ++i)
            EXPECT_EQ(changed.counts[i], int64_t(1000 * i)) << orderName;
        EXPECT_EQ(changed.counts.back(), (changed.made() - 1) / 1000 * 1000) << orderName;
    }
}

TEST_F(HeadwordSortTest, CountingGoesOnFromWhereItStood) {
    Words words = randomWords(3000, 8);
    Reported count(10, 1505);
    sortHeadwords(pointers(words), foldingOrder(), count.count);
    ASSERT_GE(count.counts.size(), 2u);
    for (size_t i = 0; i < count.counts.size(); ++i)
        EXPECT_EQ(count.counts[i], int64_t(1510 + 10 * i));
    EXPECT_EQ(count.counts.back(), (count.made() - 1) / 10 * 10);
}

}  // namespace
