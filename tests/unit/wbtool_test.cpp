// The dictionary tool: its command line, the import format, dump lines,
// check findings, and whole commands run on files in a scratch folder.
#include <gtest/gtest.h>

#include "codepage.h"
#include "files.h"
#include "testsupport.h"
#include "wbtool_args.h"
#include "wbtool_check.h"
#include "wbtool_commands.h"
#include "wbtool_dump.h"
#include "wbtool_import.h"

using test::Entry;

namespace {

// --- command line -----------------------------------------------------------

bool parse(std::vector<std::string> args, Invocation& inv, std::string& error) {
    return parseArguments(args, inv, error);
}

TEST(WbtoolArguments, OperandsAndOptionsInAnyOrder) {
    Invocation inv;
    std::string error;
    ASSERT_TRUE(parse({"find", "--charset", "204", "dict.wb", "--table=ru.stb", "key"}, inv, error))
        << error;
    EXPECT_EQ(inv.command, WbCommand::Find);
    EXPECT_EQ(inv.operands, (std::vector<std::string>{"dict.wb", "key"}));
    EXPECT_EQ(inv.codePage, 1251);
    EXPECT_EQ(inv.table, "ru.stb");
    ASSERT_TRUE(parse({"find", "dict.wb", "--", "--charset"}, inv,
                      error));  // a key that looks like an option
    EXPECT_EQ(inv.operands[1], "--charset");
    ASSERT_TRUE(parse({"dump", "d.wb"}, inv, error));
    EXPECT_EQ(inv.codePage, 1252);
    ASSERT_TRUE(parse({"import", "a.tsv", "b.wb", "--charset", "500"}, inv, error));
    EXPECT_EQ(inv.codePage, 28593);
}

TEST(WbtoolArguments, UsageErrorsSayWhatIsWrong) {
    Invocation inv;
    std::string error;
    struct Case {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{}, "no command"},
        {{"frobnicate"}, "unknown command"},
        {{"sort"}, "wrong number of arguments"},
        {{"sort", "a", "b"}, "wrong number of arguments"},
        {{"sort", "a", "--charset", "0"}, "does not take --charset"},
        {{"reverse", "a", "b", "--table", "t"}, "does not take --table"},
        {{"find", "a", "k", "--table", "t", "--locale", "french"}, "either --table or --locale"},
        {{"dump", "a", "--charset", "7"}, "unknown character set"},
        {{"dump", "a", "--charset", "x1"}, "unknown character set"},
        {{"dump", "a", "--charset"}, "needs a value"},
        {{"dump", "a", "--charset", "0", "--charset", "204"}, "given twice"},
        {{"dump", "a", "--verbose"}, "unknown option"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(parse(c.args, inv, error)) << c.says;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

// --- import format ----------------------------------------------------------

TEST(WbtoolImport, ByteOrderMarkLineEndsAndEmptyLines) {
    std::vector<WordRecord> records;
    ImportError e = parseWordTable(
        "\xEF\xBB\xBF"
        "chien\tdog\r\n\r\n\nchat\tcat, kitten\nvide\t",
        1252, records);
    ASSERT_EQ(e.line, 0) << e.message;
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(headwordOf(records[0]), "chien");
    EXPECT_EQ(translationOf(records[0]), "dog");
    EXPECT_EQ(translationOf(records[1]), "cat, kitten");
    EXPECT_EQ(translationOf(records[2]), "");
    WordRecord expected = makeRecord("chien", "dog");  // every other byte zero
    EXPECT_EQ(std::memcmp(&records[0], &expected, sizeof expected), 0);
}

TEST(WbtoolImport, FieldsAreConvertedToTheCodePage) {
    std::vector<WordRecord> records;
    ASSERT_EQ(parseWordTable("жук\tbeetle\n", 1251, records).line, 0);
    EXPECT_EQ(headwordOf(records[0]), "\xe6\xf3\xea");
    ASSERT_EQ(parseWordTable("\xc4\x89"
                             "evalo\thorse\n",
                             28593, records)
                  .line,
              0);  // ĉevalo
    EXPECT_EQ(headwordOf(records[0]),
              "\xe6"
              "evalo");
    ASSERT_EQ(parseWordTable("a\tb\tc\n", 1252, records).line, 0);  // the first tab separates
    EXPECT_EQ(translationOf(records[0]), "b\tc");
}

TEST(WbtoolImport, ErrorsNameTheLine) {
    std::vector<WordRecord> records;
    const std::string ok = "one\tun\n\n";
    struct Case {
        std::string line;
        const char* says;
    } cases[] = {
        {"no tab here", "no tab"},
        {std::string(31, 'h') + "\tx", "headword has 31 characters"},
        {"x\t" + std::string(51, 't'), "translation has 51 characters"},
        {"\xd0\xb6uk\tbeetle", "U+0436"},  // not in 1252
        {"caf\xe9\tcoffee", "not valid UTF-8"},
        {std::string("a\0b\tc", 5), "NUL"},
    };
    for (const Case& c : cases) {
        ImportError e = parseWordTable(ok + c.line + "\nlast\tx\n", 1252, records);
        EXPECT_EQ(e.line, 3) << c.says;
        EXPECT_NE(e.message.find(c.says), std::string::npos) << e.message;
    }
    // Exactly 30 and 50 characters after conversion fit (é is two bytes in UTF-8, one in 1252).
    std::string h30 = std::string(28, 'h') + "\xc3\xa9\xc3\xa9";
    EXPECT_EQ(parseWordTable(h30 + "\t" + std::string(50, 't'), 1252, records).line, 0);
    EXPECT_EQ(headwordOf(records[0]).size(), 30u);
}

// --- code pages ---------------------------------------------------------------

TEST(CodePages, EveryByteRoundTripsThroughUtf8) {
    for (int charset : {0, 204, 238, 161, 162, 186, 177, 178, 500}) {
        int cp = codePageOfCharset(charset);
        ASSERT_NE(cp, 0) << charset;
        std::string all;
        for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
        std::string back;
        ASSERT_EQ(utf8ToCodePage(codePageToUtf8(all, cp), cp, back).status, ConversionStatus::Ok)
            << cp;
        EXPECT_EQ(back, all) << cp;
    }
    EXPECT_EQ(codePageOfCharset(1), 0);
    EXPECT_EQ(codePageToUtf8("\x80", 1252), "\xe2\x82\xac");  // the euro sign
    EXPECT_EQ(codePageToUtf8("\xc6", 1251), "\xd0\x96");      // Ж
}

TEST(CodePages, MalformedUtf8IsRefused) {
    std::string out;
    for (const char* bad :
         {"\xc0\x80", "\xed\xa0\x80", "\xe2\x82", "\xf4\x90\x80\x80", "\x80", "ab\xff"})
        EXPECT_EQ(utf8ToCodePage(bad, 1252, out).status, ConversionStatus::InvalidUtf8) << bad;
    ConversionResult r = utf8ToCodePage("ab\xe2\x82\xac\xf0\x9f\x98\x80", 1252, out);
    EXPECT_EQ(r.status, ConversionStatus::Unmappable);
    EXPECT_EQ(codePointName(r.codePoint), "U+1F600");
    EXPECT_EQ(r.offset, 5u);
}

// --- dump lines -------------------------------------------------------------

TEST(WbtoolDump, FieldsAreEscapedAndMarksShownAsNumbers) {
    EXPECT_EQ(escapeField("a\tb\nc\\d\re"), "a\\tb\\nc\\\\d\re");
    WordRecord r = makeRecord("tab\there", "back\\slash\nnew");
    r.deleted = -1;
    EXPECT_EQ(dumpLine(7, r, 1252), "7\ttab\\there\tback\\\\slash\\nnew\t-1\n");
    WordRecord wild;
    std::memset(&wild, 'x', sizeof wild);
    wild.deleted = 2;
    EXPECT_EQ(dumpLine(0, wild, 1252),
              "0\t" + std::string(30, 'x') + "\t" + std::string(50, 'x') + "\t2\n");
    EXPECT_EQ(dumpLine(1, makeRecord("\xe6\xf3\xea", ""), 1251),
              "1\t\xd0\xb6\xd1\x83\xd0\xba\t\t0\n");
}

// --- check findings -----------------------------------------------------------

int compareBytes(const char* a, const char* b) { return std::strcmp(a, b); }

class WbtoolFiles : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    // Runs the tool; returns its status and fills out and err.
    int run(std::vector<std::string> args) {
        FILE* o = openFile("stdout.txt", "w+b");
        FILE* e = openFile("stderr.txt", "w+b");
        int status = runWbtool(args, o, e);
        std::fclose(o);
        std::fclose(e);
        out = test::readBytes("stdout.txt");
        err = test::readBytes("stderr.txt");
        return status;
    }
    std::string out, err;
};

TEST_F(WbtoolFiles, CheckReportsEveryKindOfProblem) {
    WordRecord wild = makeRecord("m", "");
    std::memset(wild.translation, 't', sizeof wild.translation);
    WordRecord mark2 = makeRecord("n", "x"), markMinus = makeRecord("o", "x"),
               mark1 = makeRecord("p", "x");
    mark2.deleted = 2, markMinus.deleted = -1, mark1.deleted = 1;
    test::writeRecords("d.wb", {makeRecord("a", ""), wild, mark2, markMinus, mark1,
                                makeRecord("b", ""), makeRecord("a", "")});
    test::writeBytes("d.wb", test::readBytes("d.wb") + "tail");
    FILE* f = openFile("d.wb", "rb");
    CheckReport report;
    ASSERT_TRUE(checkWordFile(f, compareBytes, report));
    std::fclose(f);
    EXPECT_FALSE(report.clean);
    EXPECT_EQ(report.findings,
              (std::vector<std::string>{"records: 7", "trailing partial record: 4 bytes",
                                        "record 1: translation field has no NUL",
                                        "record 2: deleted mark 2", "record 3: deleted mark -1",
                                        "record 5: out of order (sorts before record 4)"}));
}

TEST_F(WbtoolFiles, CleanFileAndEmptyFileAreClean) {
    test::writeWordFile("d.wb", {{"Apple", ""}, {"banana", ""}, {"BANANA", ""}});
    EXPECT_EQ(run({"check", "d.wb"}), 0) << err;
    EXPECT_EQ(out, "records: 3\n");
    test::writeBytes("e.wb", "");
    EXPECT_EQ(run({"check", "e.wb"}), 0);
    EXPECT_EQ(out, "records: 0\n");
    EXPECT_EQ(run({"check", "missing.wb"}), 1);
    EXPECT_NE(err.find("cannot open missing.wb"), std::string::npos);
}

// --- whole commands -------------------------------------------------------------

TEST_F(WbtoolFiles, ImportErrorLeavesTheOutputAsItWas) {
    test::writeBytes("words.tsv", "chien\tdog\nchat cat\n");
    test::writeBytes("out.wb", "previous");
    EXPECT_EQ(run({"import", "words.tsv", "out.wb"}), 1);
    EXPECT_EQ(err, "wbtool: words.tsv, line 2: has no tab between headword and translation\n");
    EXPECT_EQ(test::readBytes("out.wb"), "previous");
    EXPECT_EQ(run({"import", "words.tsv", "new.wb"}), 1);
    EXPECT_FALSE(fileExists("new.wb"));
    EXPECT_FALSE(fileExists("new.wb.tmp"));
    EXPECT_EQ(run({"import", "absent.tsv", "new.wb"}), 1);
    EXPECT_FALSE(fileExists("new.wb"));
}

TEST_F(WbtoolFiles, ImportSortFindAndDumpTogether) {
    test::writeBytes("words.tsv", "zebre\tzebra\r\nchien\tdog\r\nAne\tdonkey\r\nchat\tcat\r\n");
    ASSERT_EQ(run({"import", "words.tsv", "d.wb"}), 0) << err;
    EXPECT_EQ(test::readBytes("d.wb").size(), 4u * 84);
    EXPECT_EQ(run({"check", "d.wb"}), 1);
    ASSERT_EQ(run({"sort", "d.wb"}), 0) << err;
    EXPECT_EQ(out, "4\n");
    EXPECT_FALSE(fileExists("tempfile"));
    EXPECT_EQ(run({"check", "d.wb"}), 0);
    ASSERT_EQ(run({"dump", "d.wb"}), 0);
    EXPECT_EQ(out, "0\tAne\tdonkey\t0\n1\tchat\tcat\t0\n2\tchien\tdog\t0\n3\tzebre\tzebra\t0\n");
    ASSERT_EQ(run({"find", "d.wb", "CHIEN"}), 0);
    EXPECT_EQ(out, "2\n");
    ASSERT_EQ(run({"find", "d.wb", "chevre"}), 0);  // insertion point
    EXPECT_EQ(out, "2\n");
    ASSERT_EQ(run({"find", "d.wb", "zz"}), 0);
    EXPECT_EQ(out, "4\n");
}

TEST_F(WbtoolFiles, FindCutsTheKeyToThirtySevenCharacters) {
    const std::string k37(37, 'k');
    test::writeWordFile("d.wb", {{"a", ""}, {std::string(30, 'k'), ""}, {"z", ""}});
    ASSERT_EQ(run({"find", "d.wb", k37 + "zzz"}), 0);
    const std::string cut = out;
    ASSERT_EQ(run({"find", "d.wb", k37}), 0);
    EXPECT_EQ(out, cut);
    EXPECT_EQ(out, "2\n");
    EXPECT_EQ(run({"find", "d.wb", "\xd0\xb6"}), 1);  // ж is not in 1252
    EXPECT_NE(err.find("U+0436"), std::string::npos);
}

TEST_F(WbtoolFiles, SortWithATableAndItsWarnings) {
    std::string table(256, '\0');
    for (int c = 1; c < 256; ++c) table[c] = static_cast<char>(c);
    table['z'] = 2;  // z first
    test::writeBytes("t.stb", table);
    test::writeWordFile("d.wb", {{"apple", ""}, {"zoo", ""}, {"mango", ""}});
    ASSERT_EQ(run({"sort", "d.wb", "--table", "t.stb"}), 0) << err;
    EXPECT_EQ(err, "");
    ASSERT_EQ(run({"dump", "d.wb"}), 0);
    EXPECT_EQ(out, "0\tzoo\t\t0\n1\tapple\t\t0\n2\tmango\t\t0\n");
    EXPECT_EQ(run({"check", "d.wb"}), 1);  // not in A-Z order
    EXPECT_EQ(run({"check", "d.wb", "--table", "t.stb"}), 0);
    test::writeBytes("short.stb", table.substr(0, 200));  // the letters are all there
    EXPECT_EQ(run({"check", "d.wb", "--table", "short.stb"}), 0);
    EXPECT_NE(err.find("200 bytes"), std::string::npos) << err;
    EXPECT_EQ(run({"sort", "d.wb", "--table", "absent.stb"}), 1);
    EXPECT_NE(err.find("absent.stb"), std::string::npos);
}

TEST_F(WbtoolFiles, SortDropsMarkedRecordsAndFailsCleanly) {
    WordRecord gone = makeRecord("b", "");
    gone.deleted = 1;
    test::writeRecords("d.wb", {makeRecord("c", ""), gone, makeRecord("a", "")});
    ASSERT_EQ(run({"sort", "d.wb"}), 0);
    EXPECT_EQ(out, "2\n");
    EXPECT_EQ(run({"sort", "absent.wb"}), 1);
    EXPECT_FALSE(fileExists("absent.wb"));
    test::writeWordFile("d.wb", {{"c", ""}, {"a", ""}});
    const std::string before = test::readBytes("d.wb");
    test::makeFolders("tempfile\\inner");
    EXPECT_EQ(run({"sort", "d.wb"}), 1);
    EXPECT_NE(err.find("unchanged"), std::string::npos) << err;
    EXPECT_EQ(test::readBytes("d.wb"), before);
}

TEST_F(WbtoolFiles, ReverseWritesTheToListAndReportsFatalTexts) {
    test::makeFolders("lang");
    test::writeWordFile("lang\\from.wb", {{"dog", "chien, toutou"}, {"hound", "chien"}});
    ASSERT_EQ(run({"reverse", "lang/from.wb", "lang/to.wb"}), 0) << err;
    EXPECT_FALSE(fileExists("lang\\temp.wb"));
    ASSERT_EQ(run({"dump", "lang/to.wb"}), 0);
    EXPECT_EQ(out, "0\tchien\tdog, hound\t0\n1\ttoutou\tdog\t0\n");
    EXPECT_EQ(run({"reverse", "lang/absent.wb", "lang/to.wb"}), 1);
    EXPECT_EQ(err, "wbtool: Input file missing\n");
}

TEST_F(WbtoolFiles, LocaleOptionNeedsTheWindowsBuild) {
    test::writeWordFile("d.wb", {{"b", ""}, {"a", ""}});
    int status = run({"sort", "d.wb", "--locale", "xx"});
    if (!localeCollationAvailable()) {
        EXPECT_EQ(status, 2);
        EXPECT_NE(err.find("wbtool.exe"), std::string::npos);
        EXPECT_EQ(test::readRecords("d.wb")[0].headword, std::string("b"));  // untouched
    } else {
        EXPECT_EQ(status, 0);
        EXPECT_EQ(err, "Unknown locale : xx\n");  // a warning; the sort goes on
        EXPECT_EQ(test::readRecords("d.wb")[0].headword, std::string("a"));
    }
}

TEST_F(WbtoolFiles, WindowsLocaleOrdersAccentsAmongTheirLetters) {
    if (!localeCollationAvailable()) GTEST_SKIP() << "no Windows collation in this build";
    test::writeWordFile("d.wb", {{"zoo", ""}, {"\xe9t\xe9", "summer"}, {"abc", ""}});
    ASSERT_EQ(run({"sort", "d.wb", "--locale", "french"}), 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(test::readRecords("d.wb")[1].headword, std::string("\xe9t\xe9"));
    EXPECT_EQ(run({"check", "d.wb"}), 1);  // A-Z folding puts \xe9 after z
    EXPECT_EQ(run({"check", "d.wb", "--locale", "french"}), 0);
    ASSERT_EQ(run({"find", "d.wb", "\xc3\x89T\xc3\x89", "--locale", "french"}), 0);  // ÉTÉ
    EXPECT_EQ(out, "1\n");
    ASSERT_EQ(run({"reverse", "d.wb", "r.wb", "--locale", "french"}), 0) << err;
    EXPECT_EQ(test::readRecords("r.wb")[0].headword, std::string("summer"));
}

}  // namespace
