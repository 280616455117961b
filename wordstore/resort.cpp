// resort.cpp — one pass to read, one in-memory sort, one pass to write.
#include "resort.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "collation.h"
#include "files.h"
#include "headwordsort.h"
#include "languagepair.h"
#include "uistrings.h"
#include "wordstore.h"

namespace {

constexpr int32_t kRecordsPerStep = 1000;      // progress while reading and writing
constexpr int64_t kComparisonsPerStep = 2000;  // progress while sorting

void report(ResortProgress* progress, int label, int64_t count) {
    if (progress) progress->show(label, static_cast<int32_t>(count));
}

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

// The live records in the order of compareWords, equal headwords in file
// order, which makes the result the same on every platform and the same
// whether the file was nearly sorted or not.
std::vector<uint32_t> sortedOrder(const RecordBlock& block, ResortProgress* progress) {
    std::vector<const char*> headwords;
    headwords.reserve(block.count);
    for (size_t i = 0; i < block.count; ++i) headwords.push_back(block.records[i].headword);
    ComparisonCount count(kComparisonsPerStep, 0, [progress](int64_t made) {
        report(progress, kResortSortingLabel, made);
    });
    return sortHeadwords(headwords, currentWordOrder(), count);
}

// Writes the records in sorted order to the open temporary file, gathered a
// step's worth at a time. The records are visited in random order, so each
// is fetched well before it is copied: the gather is memory-bound.
bool writeRecords(FILE* tmp, const RecordBlock& block, const std::vector<uint32_t>& order,
                  std::vector<WordRecord>& chunk, ResortProgress* progress) {
    constexpr size_t kAhead = 16;
    const WordRecord* records = block.records.get();
    for (size_t i = 0; i < order.size(); i += kRecordsPerStep) {
        report(progress, kResortWritingLabel, static_cast<int64_t>(i));
        const size_t n = std::min(order.size() - i, static_cast<size_t>(kRecordsPerStep));
        for (size_t k = 0; k < n; ++k) {
            if (i + k + kAhead < order.size()) __builtin_prefetch(&records[order[i + k + kAhead]]);
            chunk[k] = records[order[i + k]];
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
    std::vector<uint32_t> order;
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
