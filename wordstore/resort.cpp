// resort.cpp — one pass to read, one in-memory sort, one pass to write.
#include "resort.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "collate.h"
#include "collation.h"
#include "files.h"
#include "languagepair.h"
#include "sortkey.h"
#include "uistrings.h"
#include "wordstore.h"

namespace {

constexpr int32_t kRecordsPerStep = 1000;      // progress while reading and writing
constexpr int64_t kComparisonsPerStep = 2000;  // progress while sorting

void report(ResortProgress* progress, int label, int64_t count) {
    if (progress) progress->show(label, static_cast<int32_t>(count));
}

// One entry per live record: the comparison prefix of its headword and where
// the record lies in memory. Sorting these instead of the records keeps the
// sort within a small array; the records are visited only on equal prefixes.
struct SortEntry {
    uint64_t prefix;
    uint32_t index;
};

// The records in memory: one block, not zeroed first (every record kept is
// read over), with the number kept.
struct RecordBlock {
    std::unique_ptr<WordRecord[]> records;
    size_t count = 0;
};

// Reads every record of the open dictionary in file order and keeps the live
// ones. False on a failed read.
bool readLiveRecords(int32_t count, RecordBlock& block, ResortProgress* progress) {
    FILE* file = wordStore.dictionaryFile;
    if (std::fseek(file, 0, SEEK_SET) != 0) return false;
    block.records.reset(new WordRecord[static_cast<size_t>(count)]);
    WordRecord* records = block.records.get();
    size_t kept = 0;
    for (int32_t j = 0; j < count; j += kRecordsPerStep) {
        report(progress, kResortReadingLabel, j);
        size_t chunk = static_cast<size_t>(std::min(kRecordsPerStep, count - j));
        WordRecord* read = records + kept;
        if (std::fread(read, sizeof(WordRecord), chunk, file) != chunk) return false;
        for (size_t k = 0; k < chunk; ++k) {
            if (isMarkedDeleted(read[k])) continue;
            terminateFields(read[k]);  // read as the word store reads: never past a field
            if (records + kept != read + k) records[kept] = read[k];
            ++kept;
        }
    }
    block.count = kept;
    return true;
}

// Sorts the live records with compareWords, counting comparisons. Equal
// headwords keep their file order (the index decides last), which makes the
// result the same on every platform.
std::vector<SortEntry> sortedOrder(const RecordBlock& block, ResortProgress* progress) {
    const LanguagePair* pair = currentPair();
    const bool byTable = pair && pair->hasSortTable == 1;
    const bool byLocale = !byTable && collationLocaleInForce();
    const WordRecord* records = block.records.get();

    std::vector<SortEntry> order(block.count);
    for (size_t i = 0; i < block.count; ++i) {
        const char* h = records[i].headword;
        // The locale comparison has no byte prefix: every comparison asks it.
        uint64_t prefix = byLocale  ? 0
                          : byTable ? mappedPrefix(h, collation.sortTable)
                                    : foldedPrefix(h);
        order[i] = {prefix, static_cast<uint32_t>(i)};
    }

    int64_t comparisons = 0;
    auto less = [&](const SortEntry& x, const SortEntry& y) {
        if (comparisons % kComparisonsPerStep == 0)
            report(progress, kResortSortingLabel, comparisons);
        ++comparisons;
        if (x.prefix != y.prefix) return x.prefix < y.prefix;
        if (byLocale || !prefixHoldsWholeText(x.prefix)) {
            int c = compareWords(records[x.index].headword, records[y.index].headword);
            if (c != 0) return c < 0;
        }
        return x.index < y.index;
    };
    std::sort(order.begin(), order.end(), less);
    return order;
}

// Writes the records in sorted order to the open temporary file, gathered a
// step's worth at a time. The records are visited in random order, so each
// is fetched well before it is copied: the gather is memory-bound.
bool writeRecords(FILE* tmp, const RecordBlock& block, const std::vector<SortEntry>& order,
                  std::vector<WordRecord>& chunk, ResortProgress* progress) {
    constexpr size_t kAhead = 16;
    const WordRecord* records = block.records.get();
    for (size_t i = 0; i < order.size(); i += kRecordsPerStep) {
        report(progress, kResortWritingLabel, static_cast<int64_t>(i));
        const size_t n = std::min(order.size() - i, static_cast<size_t>(kRecordsPerStep));
        for (size_t k = 0; k < n; ++k) {
            if (i + k + kAhead < order.size())
                __builtin_prefetch(&records[order[i + k + kAhead].index]);
            chunk[k] = records[order[i + k].index];
        }
        if (std::fwrite(chunk.data(), sizeof(WordRecord), n, tmp) != n) return false;
    }
    return std::fflush(tmp) == 0;
}

int fail(ResortFailure why, ResortFailure* failure) {
    if (failure) *failure = why;
    return -1;
}

}  // namespace

int resortDictionary(ResortProgress* progress, ResortCollation collationSource,
                     ResortFailure* failure) {
    if (failure) *failure = ResortFailure::None;
    if (!wordStore.dictionaryFile) return fail(ResortFailure::NotOpen, failure);
    const int32_t countBefore = wordStore.dictionaryCount;

    RecordBlock records;
    std::vector<SortEntry> order;
    std::vector<WordRecord> chunk;  // one step's worth of records, gathered for writing
    try {
        if (!readLiveRecords(countBefore, records, progress))
            return fail(ResortFailure::Read, failure);
        wordStore.dictionaryCount = static_cast<int32_t>(records.count);
        if (collationSource == ResortCollation::CurrentPair)
            applyCollation(CollationOccasion::Resort);
        order = sortedOrder(records, progress);
        chunk.resize(kRecordsPerStep);
    } catch (const std::bad_alloc&) {
        wordStore.dictionaryCount = countBefore;
        return fail(ResortFailure::Memory, failure);
    }

    // Until the replacement the dictionary file keeps every record, the
    // dropped ones too: a failure before it leaves the count matching the file.
    const std::string tmpPath = uiString(ui::kSortTempFile);
    FILE* tmp = openFile(tmpPath, "wb");
    if (!tmp) {
        wordStore.dictionaryCount = countBefore;
        return fail(ResortFailure::CreateTemp, failure);
    }
    if (!writeRecords(tmp, records, order, chunk, progress)) {
        std::fclose(tmp);
        removeFile(tmpPath);
        wordStore.dictionaryCount = countBefore;
        return fail(ResortFailure::Write, failure);
    }
    records = RecordBlock{};
    order.clear();
    order.shrink_to_fit();

    // The old handle is closed before the replacement: Windows cannot
    // replace a file that is open.
    const std::string path = dictionaryPath();
    closeWordFiles();
    const bool replaced = commitReplacement(tmp, tmpPath, path);
    if (openDictionary() != 0) return fail(ResortFailure::Reopen, failure);
    countRecords();
    return replaced ? 0 : fail(ResortFailure::Replace, failure);
}
