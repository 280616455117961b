// Printing a practice list: the print file's lines, the document's ranges,
// the page rectangle, copies and page ranges, and the program's own layout
// of the document on pages.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "files.h"
#include "printlayout.h"
#include "printpages.h"
#include "printtext.h"
#include "testsupport.h"
#include "wordstore.h"

namespace {

std::vector<std::string> splitLines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    size_t at = 0, found;
    while ((found = text.find(end, at)) != std::string::npos) {
        lines.push_back(text.substr(at, found - at));
        at = found + end.size();
    }
    if (at < text.size()) lines.push_back(text.substr(at));
    return lines;
}

class PrintFileTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};

    // The list "verbs" of the French-English direction holding `records`.
    PrintList listOf(const std::vector<WordRecord>& records) {
        test::makeFolders("language");
        test::makeFolders("list\\verbs");
        test::writeWordFile("language\\Fre_Eng.wb", {{"a", "b"}});
        test::writeRecords("list\\verbs\\Fre_Eng.ls", records);
        copyField(wordStore.currentListName, sizeof wordStore.currentListName, "verbs");
        EXPECT_EQ(openDictionary(), 0);
        countRecords();
        return readPrintList(core.pair);
    }
};

TEST_F(PrintFileTest, HeadingEmptyLineAndOneLinePerRecordInColumns) {
    const std::string longest(30, 'h');
    WordRecord marked = makeRecord("oie", "goose");
    marked.deleted = 1;  // a mark not yet applied is printed like the others
    const PrintList list = listOf({makeRecord(longest, "thirty"), marked, makeRecord("chat", "")});
    const std::vector<std::string> lines = splitLines(printFileText(list), "\n");

    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].substr(0, 6), "French");
    EXPECT_EQ(lines[0].find_first_not_of(' ', 6), 38u);
    EXPECT_EQ(lines[0].substr(38), "English");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], longest + " " + "   -   " + "thirty");  // one space is left
    EXPECT_EQ(lines[3].substr(0, 3), "oie");
    EXPECT_EQ(lines[3].substr(31, 7), "   -   ");
    EXPECT_EQ(lines[3].substr(38), "goose");
    EXPECT_EQ(lines[4], std::string("chat") + std::string(27, ' ') + "   -   ");
}

TEST_F(PrintFileTest, WrittenInTextModeAndLeftNowhereWhenItCannotBe) {
    const std::string text = printFileText(listOf({makeRecord("chat", "cat")}));
    ASSERT_TRUE(writePrintFile("list.prt", text));
    const std::string onDisk = test::readBytes("list.prt");
#ifdef _WIN32
    EXPECT_EQ(onDisk, printDocumentText(text));  // text mode: CR LF
#else
    EXPECT_EQ(onDisk, text);
#endif
    EXPECT_FALSE(writePrintFile("no such folder\\list.prt", text));
    EXPECT_FALSE(fileExists("no such folder\\list.prt"));
}

TEST(PrintDocument, LineEndsCountTwoAndTheTextLimitCuts) {
    EXPECT_EQ(printDocumentText("a\n\nb\n"), "a\r\n\r\nb\r\n");
    const std::string line = std::string(88, 'x') + "\n";
    std::string huge;
    while (huge.size() <= static_cast<size_t>(kPrintTextLimit)) huge += line;
    const std::string document = printDocumentText(huge);
    ASSERT_EQ(document.size(), static_cast<size_t>(kPrintTextLimit));
    EXPECT_EQ(document, printDocumentText(huge).substr(0, kPrintTextLimit));
    EXPECT_EQ(document.substr(0, 90), std::string(88, 'x') + "\r\n");
}

PrintList sampleList(size_t records, const std::string& name = "Russian") {
    PrintList list;
    list.name = name;
    list.toName = "English";
    list.headwordCharset = 204;
    list.translationCharset = 0;
    for (size_t i = 0; i < records; ++i)
        list.records.push_back(makeRecord("w" + std::to_string(i), std::string(i % 7, 't')));
    return list;
}

// Each range read back from the document text: the heading's names bold
// in their charsets, each record's first column in the headword charset and
// exactly its translation in the translation charset.
void expectRangesCoverTheColumns(const PrintList& list) {
    const std::string text = printDocumentText(printFileText(list));
    const std::vector<PrintRange> ranges = printTextRanges(list);
    ASSERT_EQ(ranges.size(), 2 + 2 * list.records.size());
    const std::vector<std::string> lines = splitLines(text, "\r\n");
    EXPECT_EQ(text.substr(0, ranges[0].end), lines[0].substr(0, ranges[0].end));
    EXPECT_EQ(text.substr(ranges[0].end - 7, 7), "       ");
    EXPECT_EQ(text.substr(ranges[1].start, ranges[1].end - ranges[1].start), list.toName);
    EXPECT_EQ(text.substr(ranges[1].end, 4), "\r\n\r\n");
    EXPECT_TRUE(ranges[0].bold && ranges[1].bold);
    EXPECT_EQ(ranges[0].charset, list.headwordCharset);
    EXPECT_EQ(ranges[1].charset, list.translationCharset);
    for (size_t i = 0; i < list.records.size(); ++i) {
        const PrintRange& first = ranges[2 + 2 * i];
        const PrintRange& second = ranges[3 + 2 * i];
        const std::string& line = lines[2 + i];
        EXPECT_EQ(text.substr(first.start, first.end - first.start), line.substr(0, 38)) << i;
        EXPECT_EQ(text.substr(second.start, second.end - second.start),
                  translationOf(list.records[i]))
            << i;
        EXPECT_EQ(text.substr(second.end, 2), "\r\n") << i;
        EXPECT_EQ(first.charset, list.headwordCharset);
        EXPECT_EQ(second.charset, list.translationCharset);
        EXPECT_FALSE(first.bold || second.bold);
    }
}

TEST(PrintRanges, ColumnsHeadingAndProgressEveryTenRecords) {
    expectRangesCoverTheColumns(sampleList(25));
    const std::vector<PrintRange> ranges = printTextRanges(sampleList(1));
    EXPECT_EQ(ranges[0].end, 38);
    EXPECT_EQ(ranges[2].start, 38 + 7 + 4);  // "English" and two line ends

    // A name longer than its 31 places still gets exactly its characters.
    expectRangesCoverTheColumns(sampleList(3, std::string(40, 'N')));

    std::vector<int32_t> told;
    printTextRanges(sampleList(25), [&](int32_t i) { told.push_back(i); });
    EXPECT_EQ(told, (std::vector<int32_t>{0, 10, 20}));
    told.clear();
    printTextRanges(sampleList(3), [&](int32_t i) { told.push_back(i); });
    EXPECT_EQ(told, std::vector<int32_t>{0});  // a short list shows Word 0 only
}

TEST(PrintPageRect, TwipsRoundedAndMarginsOnlyOnLargePages) {
    // A4 at 300 dots per inch, as a PDF printer reports it.
    const PrintPage a4 = printPageFor(2479, 3508, 300, 300);
    EXPECT_EQ(a4.width, (2479 * 1440 + 150) / 300);
    EXPECT_EQ(a4.height, (3508 * 1440 + 150) / 300);
    EXPECT_EQ(a4.printRect.left, 360);
    EXPECT_EQ(a4.printRect.right, a4.width - 360);
    EXPECT_EQ(a4.printRect.top, 720);
    EXPECT_EQ(a4.printRect.bottom, a4.height - 720);

    EXPECT_EQ(printPageFor(1, 1, 2880, 960).width, 1);   // 0.5 rounds up
    EXPECT_EQ(printPageFor(1, 1, 2881, 960).width, 0);   // below a half
    EXPECT_EQ(printPageFor(1, 2, 2880, 960).height, 3);  // 1.5 rounds up
    EXPECT_EQ(scaleRounded(-3, 1, 2), -2);               // halves away from zero
    EXPECT_EQ(scaleRounded(5, 7, 0), 0);
    EXPECT_EQ(printPageFor(100000, 100000, 1, 1).width, 144000000);  // no overflow

    // Exactly 3600 x 4320 twips keeps the whole page; one twip more narrows it.
    const PrintPage small = printPageFor(3600, 4320, 1440, 1440);
    EXPECT_EQ(small.printRect.left, 0);
    EXPECT_EQ(small.printRect.right, 3600);
    EXPECT_EQ(small.printRect.top, 0);
    EXPECT_EQ(small.printRect.bottom, 4320);
    const PrintPage larger = printPageFor(3601, 4321, 1440, 1440);
    EXPECT_EQ(larger.printRect.right - larger.printRect.left, 3601 - 720);
    EXPECT_EQ(larger.printRect.bottom - larger.printRect.top, 4321 - 1440);
}

// A document of pages starting at the given positions; records what the
// printer received, as page numbers.
class FakePages : public PageSource {
   public:
    explicit FakePages(std::vector<int32_t> starts, int32_t end) : starts_(starts), end_(end) {}
    int32_t measurePage(int32_t start) override {
        ++measured;
        for (size_t i = 0; i < starts_.size(); ++i)
            if (starts_[i] == start) return i + 1 < starts_.size() ? starts_[i + 1] : end_;
        return start;  // nothing laid out
    }
    bool printPage(int32_t start, int32_t) override {
        if (refuseAfter >= 0 && static_cast<int>(printed.size()) >= refuseAfter) return false;
        for (size_t i = 0; i < starts_.size(); ++i)
            if (starts_[i] == start) printed.push_back(static_cast<int>(i) + 1);
        return true;
    }
    std::vector<int> printed;
    int measured = 0;
    int refuseAfter = -1;

   private:
    std::vector<int32_t> starts_;
    int32_t end_;
};

TEST(PrintPasses, CopiesCollatedOrNotAndPageRanges) {
    const std::vector<int32_t> starts = {0, 100, 200};
    struct Case {
        PrintChoices choices;
        std::vector<int> pages;
    };
    PrintChoices collated{2, true}, uncollated{2, false}, range{1, false, true, 2, 3},
        rangePastEnd{1, false, true, 2, 9}, rangeCollated{2, true, true, 2, 2};
    for (const Case& c : std::vector<Case>{{{}, {1, 2, 3}},
                                           {collated, {1, 2, 3, 1, 2, 3}},
                                           {uncollated, {1, 1, 2, 2, 3, 3}},
                                           {range, {2, 3}},
                                           {rangePastEnd, {2, 3}},
                                           {rangeCollated, {2, 2}}}) {
        FakePages pages(starts, 300);
        const PrintOutcome outcome = printPasses(pages, c.choices, 0, 300);
        EXPECT_EQ(pages.printed, c.pages) << c.choices.copies << c.choices.collate;
        EXPECT_EQ(outcome.pagesPrinted, static_cast<int32_t>(c.pages.size()));
        EXPECT_FALSE(outcome.stoppedStuck || outcome.failed);
    }
}

TEST(PrintPasses, APageThatLaysOutNothingEndsThePrintoutAndARefusalStopsIt) {
    const PrintChoices threeCollated{3, true};
    FakePages nothing({}, 300);  // a control that lays out nothing at all
    const PrintOutcome none = printPasses(nothing, threeCollated, 0, 300);
    EXPECT_TRUE(none.stoppedStuck);
    EXPECT_EQ(nothing.measured, 1);  // not once more for any further page or copy
    EXPECT_EQ(none.pagesPrinted, 1);

    FakePages refusing({0, 100, 200}, 300);
    refusing.refuseAfter = 1;
    const PrintOutcome refused = printPasses(refusing, threeCollated, 0, 300);
    EXPECT_TRUE(refused.failed);
    EXPECT_EQ(refusing.printed, std::vector<int>{1});
}

TEST(PrintLayout, LinesWrapAtTheLastSpaceOrHardAndEmptyLinesCount) {
    const std::string text = "aaa bbb ccc\r\n\r\nxxxxxxxxxx\r\nend\r\n";
    const std::vector<PrintedLine> lines = layoutPrintLines(text, 8);
    std::vector<std::string> shown;
    for (const PrintedLine& l : lines) shown.push_back(text.substr(l.start, l.end - l.start));
    EXPECT_EQ(shown, (std::vector<std::string>{"aaa bbb", "ccc", "", "xxxxxxxx", "xx", "end"}));
    EXPECT_EQ(layoutPrintLines("no end", 80).size(), 1u);
    EXPECT_TRUE(layoutPrintLines("", 80).empty());
}

// A 200-record list on pages of a few lines: page breaks where the lines no
// longer fit, and every line printed exactly once, in order.
TEST(PrintLayout, PagesHoldWhatFitsAndLoseOrRepeatNoLine) {
    const PrintList list = sampleList(200);
    const std::string text = printDocumentText(printFileText(list));
    const std::vector<std::string> expected = splitLines(text, "\r\n");
    ASSERT_EQ(expected.size(), 202u);
    for (int32_t linesPerPage : {1, 7, 55, 202, 500}) {
        const PrintLayout layout(text, 88, linesPerPage);
        std::vector<std::string> printed;
        int pages = 0;
        for (int32_t start = 0; start < layout.textEnd();) {
            const int32_t next = layout.nextPage(start);
            ASSERT_GT(next, start);
            const std::vector<PrintedLine> lines = layout.pageLines(start);
            ++pages;
            if (next < layout.textEnd()) {  // only the last page holds fewer
                EXPECT_EQ(static_cast<int32_t>(lines.size()), linesPerPage);
            }
            for (const PrintedLine& l : lines)
                printed.push_back(text.substr(l.start, l.end - l.start));
            start = next;
        }
        EXPECT_EQ(printed, expected) << linesPerPage;
        EXPECT_EQ(pages, (202 + linesPerPage - 1) / linesPerPage) << linesPerPage;
    }
}

TEST(PrintLayout, RunsFollowTheRangesAndTheDefaultElsewhere) {
    const PrintList list = sampleList(2);
    const std::string text = printDocumentText(printFileText(list));
    const std::vector<PrintRange> ranges = printTextRanges(list);
    const std::vector<PrintedLine> lines = layoutPrintLines(text, 88);
    ASSERT_EQ(lines.size(), 4u);
    const PrintRange plain = defaultPrintFormat(list);

    const std::vector<FormatRun> heading = runsOfLine(lines[0], ranges, plain);
    ASSERT_EQ(heading.size(), 2u);
    EXPECT_EQ(heading[0].end, heading[1].start);
    EXPECT_EQ(text.substr(heading[1].start, heading[1].end - heading[1].start), "English");
    EXPECT_TRUE(heading[0].bold && heading[1].bold);
    EXPECT_EQ(heading[1].charset, list.translationCharset);

    const std::vector<FormatRun> record = runsOfLine(lines[3], ranges, plain);
    ASSERT_EQ(record.size(), 2u);
    EXPECT_EQ(record[0].start, lines[3].start);
    EXPECT_EQ(record[0].end - record[0].start, 38);
    EXPECT_EQ(record[1].end, lines[3].end);
    EXPECT_EQ(record[0].charset, list.headwordCharset);
    EXPECT_EQ(record[1].charset, list.translationCharset);

    // A line no range covers (beyond the last one) takes the default format.
    const PrintedLine after{static_cast<int32_t>(text.size()),
                            static_cast<int32_t>(text.size()) + 3};
    const std::vector<FormatRun> tail = runsOfLine(after, ranges, plain);
    ASSERT_EQ(tail.size(), 1u);
    EXPECT_EQ(tail[0].charset, plain.charset);
    EXPECT_FALSE(tail[0].bold);
}

}  // namespace
