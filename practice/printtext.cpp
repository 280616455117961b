// printtext.cpp — the print file's lines, the document text and its ranges.
#include "printtext.h"

#include <cstdio>

#include "files.h"
#include "languagepair.h"
#include "wordstore.h"

namespace {

std::string padded(const std::string& text, size_t width) {
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

}  // namespace

std::string printHeadingLine(const std::string& name, const std::string& toName) {
    return padded(name, kPrintFirstColumn) + "       " + toName + "\n\n";
}

std::string printRecordLine(const WordRecord& record) {
    return padded(headwordOf(record), kPrintFirstColumn) + "   -   " + translationOf(record) + "\n";
}

PrintList readPrintList(const LanguagePair& pair) {
    PrintList list;
    list.name = fieldText(pair.name, sizeof pair.name);
    list.toName = fieldText(pair.toName, sizeof pair.toName);
    list.headwordCharset = pair.headwordCharset;
    list.translationCharset = pair.translationCharset;
    list.records.reserve(static_cast<size_t>(wordStore.listCount > 0 ? wordStore.listCount : 0));
    for (int32_t i = 0; i < wordStore.listCount; ++i) {
        if (readListRecord(i) != 0) break;  // the end of what can be read
        list.records.push_back(wordStore.recordBuffer);
    }
    return list;
}

std::string printFileText(const PrintList& list) {
    std::string text = printHeadingLine(list.name, list.toName);
    for (const WordRecord& r : list.records) text += printRecordLine(r);
    return text;
}

// A scratch file, read back at once and deleted: no atomic replacement,
// nothing of value is overwritten.
bool writePrintFile(const std::string& path, const std::string& fileText) {
    FILE* file = openFile(path, "w");
    if (!file) {
        removeFile(path);  // an old print file that could not be truncated
        return false;
    }
    const bool written = std::fwrite(fileText.data(), 1, fileText.size(), file) == fileText.size();
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    removeFile(path);
    return false;
}

std::string printDocumentText(const std::string& fileText) {
    std::string text;
    text.reserve(fileText.size() + fileText.size() / 16);
    for (char c : fileText) {
        if (c == '\n') text += '\r';
        text += c;
    }
    if (text.size() > static_cast<size_t>(kPrintTextLimit)) text.resize(kPrintTextLimit);
    return text;
}

PrintRange defaultPrintFormat(const PrintList& list) { return {0, 0, list.headwordCharset, false}; }

std::vector<PrintRange> printTextRanges(const PrintList& list,
                                        const std::function<void(int32_t)>& progress) {
    std::vector<PrintRange> ranges;
    ranges.reserve(2 + 2 * list.records.size());
    // Where the second column starts on the heading: after the padded name
    // and 7 spaces (38 unless the name is longer than its 31 places).
    const int32_t nameColumn =
        static_cast<int32_t>(padded(list.name, kPrintFirstColumn).size()) + 7;
    const int32_t toNameEnd = nameColumn + static_cast<int32_t>(list.toName.size());
    ranges.push_back({0, nameColumn, list.headwordCharset, true});
    ranges.push_back({nameColumn, toNameEnd, list.translationCharset, true});
    int32_t p = toNameEnd + 4;  // two line ends
    for (size_t i = 0; i < list.records.size(); ++i) {
        if (i % 10 == 0 && progress) progress(static_cast<int32_t>(i));
        const int32_t translationLength =
            static_cast<int32_t>(translationOf(list.records[i]).size());
        ranges.push_back({p, p + kPrintSecondColumn, list.headwordCharset, false});
        ranges.push_back({p + kPrintSecondColumn, p + kPrintSecondColumn + translationLength,
                          list.translationCharset, false});
        p += kPrintSecondColumn + translationLength + 2;
    }
    return ranges;
}
