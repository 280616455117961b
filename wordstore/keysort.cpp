// keysort.cpp — keys made once, then spread byte by byte.
#include "keysort.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "sortkey.h"

namespace {

// The keys of all words, each ended by a 0 byte, one after another in one
// block. A key's own bytes are never 0 (folded and mapped keys hold text
// bytes; a locale key ends with its 0): should a platform's key hold one,
// the key counts as ending there, and the check of a locale's keys puts
// right whatever that gets wrong.
//
// A word is sorted by a reference to its key that carries eight of the
// key's bytes, so that spreading by one byte reads the references one
// after another instead of every key where it lies.
struct KeyRef {
    uint64_t chunk;  // key bytes [base, base + 8) of the group's base, most significant first
    uint32_t offset;
    uint32_t index;
};

struct Keys {
    std::vector<unsigned char> bytes;
    // Left uninitialised until filled: at a million words, zeroing them
    // first costs as much as spreading them once.
    std::unique_ptr<KeyRef[]> refs;
    bool exact = true;

    const unsigned char* of(const KeyRef& r) const { return bytes.data() + r.offset; }
    // Bytes [base, base + 8) of a key that reaches byte `base`, zeros after its end.
    uint64_t chunkAt(const KeyRef& r, uint32_t base) const {
        uint64_t chunk = 0;
        int taken = 0;
        for (const unsigned char* p = of(r) + base; taken < 8 && *p; ++p, ++taken)
            chunk = (chunk << 8) | *p;
        return taken == 0 ? 0 : chunk << (8 * (8 - taken));
    }
};

Keys makeKeys(const std::vector<const char*>& words, const WordOrder& order) {
    constexpr size_t kCapacity = 512;  // far above the key of a 30-character headword
    Keys keys;
    keys.exact = order.keysAreExact;
    keys.refs.reset(new KeyRef[words.size()]);
    keys.bytes.reserve(words.size() * 16);
    unsigned char key[kCapacity + 1];
    for (uint32_t i = 0; i < words.size(); ++i) {
        size_t n = order.key(words[i], key, kCapacity);
        if (n == kNoKey) {
            n = 0;  // an empty key: the caller's check puts the word in place
            keys.exact = false;
        }
        key[n] = 0;
        keys.refs[i] = {0, static_cast<uint32_t>(keys.bytes.size()), i};
        keys.bytes.insert(keys.bytes.end(), key, key + n + 1);
    }
    for (size_t i = 0; i < words.size(); ++i) keys.refs[i].chunk = keys.chunkAt(keys.refs[i], 0);
    return keys;
}

// Groups this small are put in order by comparing their keys.
constexpr uint32_t kSmallGroup = 4;

// The group of a key at byte `depth` (its chunk holding that byte): 0 when
// the key has ended there (the keys of group 0 are equal), else the byte + 1.
inline unsigned groupOf(const KeyRef& r, uint32_t depth) {
    unsigned byte = static_cast<unsigned>(r.chunk >> (56 - 8 * (depth & 7)) & 0xff);
    return byte == 0 ? 0u : byte + 1u;
}

struct Sorter {
    const Keys& keys;
    ComparisonCount& count;

    // Keys that agree in their first `depth` bytes, their chunks holding
    // bytes from `base` (depth rounded down to a multiple of 8) on; then
    // equal keys by index.
    bool keyLess(const KeyRef& x, const KeyRef& y, uint32_t base) const {
        if (x.chunk != y.chunk) return x.chunk < y.chunk;
        if ((x.chunk & 0xff) != 0) {  // neither key ends within the chunk
            int c = std::strcmp(reinterpret_cast<const char*>(keys.of(x) + base + 8),
                                reinterpret_cast<const char*>(keys.of(y) + base + 8));
            if (c != 0) return c < 0;
        }
        return x.index < y.index;
    }

    void insertionSort(KeyRef* a, uint32_t n, uint32_t base) const {
        for (uint32_t i = 1; i < n; ++i) {
            KeyRef x = a[i];
            uint32_t j = i;
            for (; j > 0; --j) {
                count.count();
                if (!keyLess(x, a[j - 1], base)) break;
                a[j] = a[j - 1];
            }
            a[j] = x;
        }
    }

    // Sorts a[0 .. n), whose keys agree in their first `depth` bytes. The
    // entries are moved into their groups in place, which mixes the order of
    // equal keys: those are put back in index order at the end.
    void radixSort(KeyRef* a, uint32_t n, uint32_t depth) const {
        for (;;) {
            if (depth % 8 == 0 && depth > 0)  // each depth is reached once: the next eight bytes
                for (uint32_t i = 0; i < n; ++i) a[i].chunk = keys.chunkAt(a[i], depth);
            if (n <= kSmallGroup) return insertionSort(a, n, depth & ~7u);
            // start[g] .. start[g + 1]: where group g goes; only the groups
            // from `low` to `high` occur (a few dozen letters, not 257).
            uint32_t start[258] = {};
            unsigned low = 257, high = 0;
            for (uint32_t i = 0; i < n; ++i) {
                unsigned g = groupOf(a[i], depth);
                ++start[g + 1];
                low = std::min(low, g);
                high = std::max(high, g);
            }
            if (low == high) {
                if (low == 0) return inIndexOrder(a, n);  // every key ended: all equal
                ++depth;  // one byte shared by all: nothing to spread
                continue;
            }
            for (unsigned g = low + 1; g <= high + 1; ++g) start[g] += start[g - 1];
            uint32_t next[257];
            std::copy(start + low, start + high + 1, next + low);
            for (unsigned g = low; g <= high; ++g) {  // each entry moved once into its group
                while (next[g] < start[g + 1]) {
                    KeyRef x = a[next[g]];
                    for (unsigned h = groupOf(x, depth); h != g; h = groupOf(x, depth))
                        std::swap(x, a[next[h]++]);
                    a[next[g]++] = x;
                }
            }
            if (low == 0) inIndexOrder(a, start[1]);
            for (unsigned g = std::max(low, 1u); g <= high; ++g)
                if (start[g + 1] - start[g] > 1)
                    radixSort(a + start[g], start[g + 1] - start[g], depth + 1);
            return;
        }
    }

    static void inIndexOrder(KeyRef* a, uint32_t n) {
        std::sort(a, a + n, [](const KeyRef& x, const KeyRef& y) { return x.index < y.index; });
    }
};

// Orders the entries by their first eight key bytes (the chunks), equal
// chunks in the order they came: a least-significant-first radix sort over
// the chunks, a byte at a time, with no look at the keys themselves.
// A pass whose bits are the same in every chunk is left out.
void sortByChunks(KeyRef* a, uint32_t n) {
    constexpr unsigned kBits = 8, kPasses = (64 + kBits - 1) / kBits;
    constexpr uint32_t kGroups = 1u << kBits;
    std::vector<uint32_t> counts(kPasses * kGroups);
    for (uint32_t i = 0; i < n; ++i)
        for (unsigned p = 0; p < kPasses; ++p)
            ++counts[p * kGroups + (a[i].chunk >> (p * kBits) & (kGroups - 1))];
    std::unique_ptr<KeyRef[]> spare(new KeyRef[n]);
    KeyRef *from = a, *to = spare.get();
    for (unsigned p = 0; p < kPasses; ++p) {
        uint32_t* start = &counts[p * kGroups];
        if (start[from[0].chunk >> (p * kBits) & (kGroups - 1)] == n) continue;
        uint32_t sum = 0;
        for (uint32_t g = 0; g < kGroups; ++g) sum += std::exchange(start[g], sum);
        for (uint32_t i = 0; i < n; ++i)
            to[start[from[i].chunk >> (p * kBits) & (kGroups - 1)]++] = from[i];
        std::swap(from, to);
    }
    if (from != a) std::copy(from, from + n, a);
}

}  // namespace

std::vector<uint32_t> sortByKeys(const std::vector<const char*>& words, const WordOrder& order,
                                 ComparisonCount& count, bool& exact) {
    Keys keys = makeKeys(words, order);
    exact = keys.exact;
    const uint32_t n = static_cast<uint32_t>(words.size());
    KeyRef* refs = keys.refs.get();
    // By the first eight bytes at once, then each run of equal chunks whose
    // keys go on beyond them by the bytes that follow.
    sortByChunks(refs, n);
    const Sorter sorter{keys, count};
    for (uint32_t i = 0, end; i < n; i = end) {
        for (end = i + 1; end < n && refs[end].chunk == refs[i].chunk;) ++end;
        if (end - i > 1 && (refs[i].chunk & 0xff) != 0) sorter.radixSort(refs + i, end - i, 8);
    }
    std::vector<uint32_t> sorted;
    sorted.reserve(n);
    for (uint32_t i = 0; i < n; ++i) sorted.push_back(keys.refs[i].index);
    return sorted;
}
