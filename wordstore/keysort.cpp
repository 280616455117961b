// keysort.cpp — keys made once, then spread byte by byte.
#include "keysort.h"

#include <algorithm>

#include "sortkey.h"

namespace {

struct KeyRef {
    const unsigned char* key;
    uint32_t length;
    uint32_t index;
};

// The keys of all words, one after another in one block.
struct Keys {
    std::vector<unsigned char> bytes;
    std::vector<KeyRef> refs;
    bool exact = true;
};

Keys makeKeys(const std::vector<const char*>& words, const WordOrder& order) {
    constexpr size_t kCapacity = 512;  // far above the key of a 30-character headword
    Keys keys;
    keys.exact = order.keysAreExact;
    std::vector<uint32_t> start(words.size() + 1);
    keys.bytes.reserve(words.size() * 16);
    unsigned char key[kCapacity];
    for (size_t i = 0; i < words.size(); ++i) {
        size_t n = order.key(words[i], key, kCapacity);
        if (n == kNoKey) {
            n = 0;  // an empty key: the caller's check puts the word in place
            keys.exact = false;
        }
        start[i] = static_cast<uint32_t>(keys.bytes.size());
        keys.bytes.insert(keys.bytes.end(), key, key + n);
    }
    start[words.size()] = static_cast<uint32_t>(keys.bytes.size());
    keys.refs.resize(words.size());
    for (size_t i = 0; i < words.size(); ++i)
        keys.refs[i] = {keys.bytes.data() + start[i], start[i + 1] - start[i],
                        static_cast<uint32_t>(i)};
    return keys;
}

// Groups this small are put in order by comparing their keys.
constexpr uint32_t kSmallGroup = 4;

// The group of a key at byte `depth`: 0 when the key has ended there (the
// keys of group 0 are equal), else the byte + 1.
inline unsigned groupOf(const KeyRef& r, uint32_t depth) {
    return depth < r.length ? r.key[depth] + 1u : 0u;
}

// Keys that agree in their first `depth` bytes, then equal keys by index.
bool keyLess(const KeyRef& x, const KeyRef& y, uint32_t depth) {
    int c = compareKeys(x.key + depth, x.length - depth, y.key + depth, y.length - depth);
    return c != 0 ? c < 0 : x.index < y.index;
}

void insertionSort(KeyRef* a, uint32_t n, uint32_t depth, ComparisonCount& count) {
    for (uint32_t i = 1; i < n; ++i) {
        KeyRef x = a[i];
        uint32_t j = i;
        for (; j > 0; --j) {
            count.count();
            if (!keyLess(x, a[j - 1], depth)) break;
            a[j] = a[j - 1];
        }
        a[j] = x;
    }
}

// Sorts a[0 .. n), whose keys agree in their first `depth` bytes and which
// are in index order within equal keys; `spare` has room for n entries.
// Spreading is stable, so equal keys stay in index order.
void radixSort(KeyRef* a, KeyRef* spare, uint32_t n, uint32_t depth, ComparisonCount& count) {
    for (;;) {
        if (n <= kSmallGroup) return insertionSort(a, n, depth, count);
        uint32_t start[258] = {};
        for (uint32_t i = 0; i < n; ++i) ++start[groupOf(a[i], depth) + 1];
        if (start[1] == n) return;  // every key ended: all equal
        if (start[groupOf(a[0], depth) + 1] == n) {
            ++depth;  // one byte shared by all: nothing to spread
            continue;
        }
        for (unsigned g = 1; g < 258; ++g) start[g] += start[g - 1];
        uint32_t next[257];
        std::copy(start, start + 257, next);
        for (uint32_t i = 0; i < n; ++i) spare[next[groupOf(a[i], depth)]++] = a[i];
        std::copy(spare, spare + n, a);
        for (unsigned g = 1; g < 257; ++g)
            if (start[g + 1] - start[g] > 1)
                radixSort(a + start[g], spare + start[g], start[g + 1] - start[g], depth + 1,
                          count);
        return;
    }
}

}  // namespace

std::vector<uint32_t> sortByKeys(const std::vector<const char*>& words, const WordOrder& order,
                                 ComparisonCount& count, bool& exact) {
    Keys keys = makeKeys(words, order);
    exact = keys.exact;
    std::vector<KeyRef> spare(keys.refs.size());
    radixSort(keys.refs.data(), spare.data(), static_cast<uint32_t>(keys.refs.size()), 0, count);
    std::vector<uint32_t> sorted(keys.refs.size());
    for (size_t i = 0; i < keys.refs.size(); ++i) sorted[i] = keys.refs[i].index;
    return sorted;
}
