// wordrecord.h — the 84-byte record every word file of the system is made of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

constexpr int kHeadwordChars = 30;     // characters a headword may hold
constexpr int kTranslationChars = 50;  // characters a translation may hold

#pragma pack(push, 1)
struct WordRecord {
    char headword[kHeadwordChars + 1];        // NUL-terminated; bytes after the NUL mean nothing
    char translation[kTranslationChars + 1];  // alternatives separated by ","
    int16_t deleted;                          // 0 live; anything else counts as marked
};
#pragma pack(pop)

static_assert(sizeof(WordRecord) == 84, "a word record is 84 bytes on disk");
static_assert(offsetof(WordRecord, headword) == 0, "headword at byte 0");
static_assert(offsetof(WordRecord, translation) == 31, "translation at byte 31");
static_assert(offsetof(WordRecord, deleted) == 82, "deleted mark at byte 82");

constexpr long kRecordSize = static_cast<long>(sizeof(WordRecord));

// Length of a text field, never looking past its end: a field written by a
// foreign tool may carry no NUL at all.
inline size_t fieldLength(const char* field, size_t capacity) {
    const void* nul = std::memchr(field, 0, capacity);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : capacity;
}

// The text of a field as a string: at most capacity - 1 characters, so a
// field without a NUL reads as 30 / 50 characters, as if the last byte were one.
inline std::string fieldText(const char* field, size_t capacity) {
    size_t n = fieldLength(field, capacity);
    if (n >= capacity) n = capacity - 1;
    return std::string(field, n);
}

inline std::string headwordOf(const WordRecord& r) {
    return fieldText(r.headword, sizeof r.headword);
}
inline std::string translationOf(const WordRecord& r) {
    return fieldText(r.translation, sizeof r.translation);
}

// Bounded copy into a fixed field: copies at most capacity - 1 bytes and
// always terminates. Returns false when the text had to be cut.
inline bool copyField(char* dst, size_t capacity, const char* src) {
    size_t n = std::strlen(src);
    bool fits = n < capacity;
    if (!fits) n = capacity - 1;
    std::memcpy(dst, src, n);
    dst[n] = '\0';
    return fits;
}
inline bool copyField(char* dst, size_t capacity, const std::string& src) {
    return copyField(dst, capacity, src.c_str());
}

// Makes both fields end within their bounds: a field without a NUL reads as
// its first 30 / 50 characters. Returns whether a field had to be ended.
inline bool terminateFields(WordRecord& r) {
    bool cut = false;
    if (!std::memchr(r.headword, 0, sizeof r.headword))
        r.headword[kHeadwordChars] = '\0', cut = true;
    if (!std::memchr(r.translation, 0, sizeof r.translation))
        r.translation[kTranslationChars] = '\0', cut = true;
    return cut;
}

// Any mark other than 0 counts as deleted; only 0 and 1 are ever written.
inline bool isMarkedDeleted(const WordRecord& r) { return r.deleted != 0; }

// A record built from nothing: all 84 bytes zero, then the two texts.
inline WordRecord makeRecord(const std::string& headword, const std::string& translation) {
    WordRecord r;
    std::memset(&r, 0, sizeof r);
    copyField(r.headword, sizeof r.headword, headword);
    copyField(r.translation, sizeof r.translation, translation);
    return r;
}
