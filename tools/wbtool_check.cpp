// wbtool_check.cpp — one sequential pass over a word file.
#include "wbtool_check.h"

#include <cstring>

#include "wordrecord.h"
#include "wordstore.h"

namespace {

std::string recordFinding(int64_t index, const std::string& what) {
    return "record " + std::to_string(index) + ": " + what;
}

}  // namespace

bool checkWordFile(FILE* file, int (*compare)(const char*, const char*), CheckReport& report) {
    report = CheckReport{};
    if (std::fseek(file, 0, SEEK_END) != 0) return false;
    const long long size = std::ftell(file);
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) return false;
    const long long count = size / kRecordSize, partial = size % kRecordSize;

    report.findings.push_back("records: " + std::to_string(count));
    if (partial) {
        report.findings.push_back("trailing partial record: " + std::to_string(partial) + " bytes");
        report.clean = false;
    }

    WordRecord previous{}, record{};
    bool orderReported = false;
    for (long long i = 0; i < count; ++i) {
        if (std::fread(&record, sizeof record, 1, file) != 1) return false;
        if (!std::memchr(record.headword, 0, sizeof record.headword)) {
            report.findings.push_back(recordFinding(i, "headword field has no NUL"));
            report.clean = false;
        }
        if (!std::memchr(record.translation, 0, sizeof record.translation)) {
            report.findings.push_back(recordFinding(i, "translation field has no NUL"));
            report.clean = false;
        }
        if (record.deleted != 0 && record.deleted != 1) {
            report.findings.push_back(
                recordFinding(i, "deleted mark " + std::to_string(record.deleted)));
            report.clean = false;
        }
        terminateFields(record);  // compared as the word store reads it
        if (i > 0 && !orderReported && compare(previous.headword, record.headword) > 0) {
            report.findings.push_back(recordFinding(
                i, "out of order (sorts before record " + std::to_string(i - 1) + ")"));
            report.clean = false;
            orderReported = true;
        }
        previous = record;
    }
    return true;
}
