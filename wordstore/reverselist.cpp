// reverselist.cpp — FROM list -> intermediate list -> sorted, joined TO list.
#include "reverselist.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "files.h"
#include "headwordsort.h"
#include "translation.h"
#include "wordrecord.h"
#include "wordstore.h"

namespace {

constexpr int32_t kRecordsPerCounter = 100;
constexpr int64_t kComparisonsPerCounter = 1000;

class OpenFile {
   public:
    explicit OpenFile(FILE* f = nullptr) : file(f) {}
    ~OpenFile() { close(); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    bool close() {
        bool ok = !file || std::fclose(file) == 0;
        file = nullptr;
        return ok;
    }
    FILE* release() {
        FILE* f = file;
        file = nullptr;
        return f;
    }
    FILE* file;
};

// Reads a whole word list in file order (a trailing partial record ignored),
// every field ended within its bounds. False on a short read.
bool readList(FILE* file, std::vector<WordRecord>& records, ReverseListProgress& progress) {
    const int32_t count = countFileRecords(file);
    records.resize(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; i += kRecordsPerCounter) {
        progress.recordCounter(i);
        size_t chunk = static_cast<size_t>(std::min(kRecordsPerCounter, count - i));
        if (std::fread(&records[i], sizeof(WordRecord), chunk, file) != chunk) return false;
        for (size_t k = 0; k < chunk; ++k) terminateFields(records[i + k]);
    }
    return true;
}

// The records by headword in the installer's own order (the locale's string
// sort, or A-Z folding without a locale); equal headwords keep the order of
// the intermediate list. The comparisons are counted on from where the last
// build left them.
std::vector<uint32_t> sortedOrder(const std::vector<WordRecord>& records,
                                  ReverseListProgress& progress) {
    std::vector<const char*> headwords(records.size());
    for (size_t i = 0; i < records.size(); ++i) headwords[i] = records[i].headword;
    ComparisonCount count(kComparisonsPerCounter, progress.comparisons,
                          [&progress](int64_t made) { progress.comparisonCounter(made); });
    std::vector<uint32_t> sorted = sortHeadwords(headwords, localeOrFoldingOrder(), count);
    progress.comparisons = count.made();
    return sorted;
}

// Appends ", " and the other record's translation when the joined text still
// fits 50 characters; otherwise leaves it out.
void joinTranslation(WordRecord& head, const WordRecord& other) {
    size_t have = std::strlen(head.translation), add = std::strlen(other.translation);
    if (have + add + 2 > static_cast<size_t>(kTranslationChars)) return;
    std::memcpy(head.translation + have, ", ", 2);
    std::memcpy(head.translation + have + 2, other.translation, add + 1);
}

// One build: the files, where progress goes, and what has been done so far.
struct Build {
    const ReverseListFiles& files;
    ReverseListProgress& progress;
    ReverseListResult result;
    bool tempCreated = false;

    const char* writeIntermediate();
    const char* writeReversed();
};

// The FROM list read whole, then one intermediate record per usable
// translation piece, in FROM order.
const char* Build::writeIntermediate() {
    progress.bar(0);
    progress.stepStarted(ReverseStep::ReadingFrom);
    OpenFile from(fileExists(files.from) ? openFile(files.from, "rb") : nullptr);
    if (!from.file) return reverse_error::kInputFileMissing;
    progress.bar(10);
    std::vector<WordRecord> fromRecords;
    if (!readList(from.file, fromRecords, progress)) return reverse_error::kInputFileMissing;
    result.fromRecords = static_cast<int32_t>(fromRecords.size());
    progress.stepDone();

    OpenFile temp(openFile(files.temp, "wb"));
    if (!temp.file) return reverse_error::kCantCreateTemp;
    tempCreated = true;
    progress.bar(25);
    progress.stepStarted(ReverseStep::WritingTemp);
    for (size_t i = 0; i < fromRecords.size(); ++i) {
        if (i % kRecordsPerCounter == 0) progress.recordCounter(static_cast<int32_t>(i));
        const WordRecord& r = fromRecords[i];  // a marked record is reversed like any other
        for (const std::string& piece : piecesSkippingLeadingBlanks(r.translation)) {
            if (piece.size() > static_cast<size_t>(kHeadwordChars)) continue;
            WordRecord reversed = makeRecord(piece, r.headword);
            if (std::fwrite(&reversed, sizeof reversed, 1, temp.file) != 1)
                return reverse_error::kWriteErrorTemp;
            ++result.pieces;
        }
    }
    if (std::fflush(temp.file) != 0 || !temp.close()) return reverse_error::kWriteErrorTemp;
    progress.stepDone();
    return nullptr;
}

// The intermediate list read back, sorted, equal headwords joined, and the
// result put in place of the TO list.
const char* Build::writeReversed() {
    std::vector<WordRecord> records;
    {
        OpenFile temp(openFile(files.temp, "rb"));
        if (!temp.file) return reverse_error::kCantOpenTemp;
        progress.bar(50);
        progress.stepStarted(ReverseStep::ReadingTo);
        if (!readList(temp.file, records, progress)) return reverse_error::kCantOpenTemp;
        progress.stepDone();
    }

    // The TO list is written under the intermediate list's name, which has
    // been read, and takes the TO list's name in one step at the end: a
    // failure never leaves a partial TO list.
    OpenFile out(openFile(files.temp, "wb"));
    if (!out.file) return reverse_error::kCantCreateOutput;

    progress.stepStarted(ReverseStep::SortingTo);
    const std::vector<uint32_t> order = sortedOrder(records, progress);
    progress.stepDone();

    progress.bar(75);
    progress.stepStarted(ReverseStep::WritingTo);
    WordRecord head{};
    bool haveHead = false;
    auto writeHead = [&] {
        if (std::fwrite(&head, sizeof head, 1, out.file) != 1) return false;
        ++result.toRecords;
        return true;
    };
    for (size_t i = 0; i < order.size(); ++i) {
        if (i % kRecordsPerCounter == 0) progress.recordCounter(static_cast<int32_t>(i));
        const WordRecord& r = records[order[i]];
        if (haveHead && std::strcmp(r.headword, head.headword) == 0) {  // case significant
            joinTranslation(head, r);
            continue;
        }
        if (haveHead && !writeHead()) return reverse_error::kWriteErrorOutput;
        head = r;
        haveHead = true;
    }
    if (haveHead && !writeHead()) return reverse_error::kWriteErrorOutput;
    if (std::fflush(out.file) != 0) return reverse_error::kWriteErrorOutput;
    if (!commitReplacement(out.release(), files.temp, files.to))
        return reverse_error::kCantCreateOutput;
    progress.stepDone();
    progress.bar(100);
    return nullptr;
}

}  // namespace

const char* reverseStepName(ReverseStep step) {
    switch (step) {
        case ReverseStep::ReadingFrom: return "Reading FROM wordlist";
        case ReverseStep::WritingTemp: return "Writing TEMP wordlist";
        case ReverseStep::ReadingTo: return "Reading TO wordlist";
        case ReverseStep::SortingTo: return "Sorting TO wordlist";
        case ReverseStep::WritingTo: return "Writing TO wordlist";
    }
    return "";
}

ReverseListResult buildReverseList(const ReverseListFiles& files, ReverseListProgress* progress) {
    ReverseListProgress silent;
    Build build{files, progress ? *progress : silent, {}};
    const char* error = nullptr;
    try {
        error = build.writeIntermediate();
        if (!error) error = build.writeReversed();
    } catch (const std::bad_alloc&) {
        error = reverse_error::kOutOfMemory;
    }
    if (error) {
        // A failed build leaves no intermediate list behind; the TO list is as it was.
        if (build.tempCreated && fileExists(files.temp)) removeFile(files.temp);
        build.result.status = -1;
        build.result.error = error;
    }
    return build.result;
}
