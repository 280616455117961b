// language.cf: three-line entries with comments and empty lines anywhere,
// runs of commas, and the entries that are not whole.
#include <gtest/gtest.h>

#include "files.h"
#include "languagecf.h"
#include "testsupport.h"

namespace {

struct ReadAll {
    std::vector<LanguageEntry> entries;
    int last = 0;
    std::string error;
};

ReadAll readAll(const std::string& text) {
    test::writeBytes("language.cf", text);
    FILE* f = openFile("language.cf", "rb");
    ReadAll r;
    LanguageListReader reader(f);
    LanguageEntry e;
    while ((r.last = reader.next(e, r.error)) == 1) r.entries.push_back(e);
    std::fclose(f);
    return r;
}

TEST(LanguageCf, EntriesWithCommentsAndEmptyLinesBetweenTheirLines) {
    test::ScratchFolder folder;
    ReadAll r = readAll(
        "# pairs\r\n\r\nRussian,russian,204,Russkij\r\n# forward\r\n\r\n"
        "Russkij_Russkij.wb\r\n\r\n#reverse\r\nRusskij_Russkij2.wb\r\n"
        "French,,french,,0,Francais\nFrancais_x.wb\nx_Francais.wb");
    EXPECT_EQ(r.last, 0);
    ASSERT_EQ(r.entries.size(), 2u);
    EXPECT_EQ(r.entries[0].name, "Russian");
    EXPECT_EQ(r.entries[0].locale, "russian");
    EXPECT_EQ(r.entries[0].charset, "204");
    EXPECT_EQ(r.entries[0].longName, "Russkij");
    EXPECT_EQ(r.entries[0].fromList, "Russkij_Russkij.wb");
    EXPECT_EQ(r.entries[0].toList, "Russkij_Russkij2.wb");
    // Runs of commas separate once; the last line needs no line end.
    EXPECT_EQ(pairItemText(r.entries[1]), "French,french,0,Francais");
    EXPECT_EQ(r.entries[1].toList, "x_Francais.wb");
}

TEST(LanguageCf, EmptyListHasNoEntry) {
    test::ScratchFolder folder;
    ReadAll r = readAll("# nothing\n\n");
    EXPECT_EQ(r.last, 0);
    EXPECT_TRUE(r.entries.empty());
}

TEST(LanguageCf, EntryWithoutItsFourFieldsIsReportedByName) {
    test::ScratchFolder folder;
    ReadAll r = readAll("Russian,russian,204,Russkij\na.wb\nb.wb\nGerman,german,0\nc.wb\nd.wb\n");
    EXPECT_EQ(r.entries.size(), 1u);
    EXPECT_EQ(r.last, -1);
    EXPECT_EQ(r.error, "Entry without its four fields in LANGUAGE.CF:\nGerman,german,0");
}

TEST(LanguageCf, ListEndingInsideAnEntryIsReportedByName) {
    test::ScratchFolder folder;
    ReadAll r = readAll("Russian,russian,204,Russkij\na.wb\n# the TO line is missing\n\n");
    EXPECT_TRUE(r.entries.empty());
    EXPECT_EQ(r.last, -1);
    EXPECT_EQ(r.error, "Incomplete entry at the end of LANGUAGE.CF:\nRussian,russian,204,Russkij");
}

TEST(LanguageCf, FieldsAfterTheFourthAreNotPartOfTheItem) {
    test::ScratchFolder folder;
    ReadAll r = readAll("A,b,0,Long,extra\nf.wb\nt.wb\n");
    ASSERT_EQ(r.entries.size(), 1u);
    EXPECT_EQ(pairItemText(r.entries[0]), "A,b,0,Long");
}

TEST(LanguageCf, SplitFields) {
    using V = std::vector<std::string>;
    EXPECT_EQ(splitFields("a,,b,c"), (V{"a", "b", "c"}));
    EXPECT_EQ(splitFields(",a,"), (V{"a"}));
    EXPECT_EQ(splitFields(" a , b"), (V{" a ", " b"}));  // fields are not trimmed
    EXPECT_TRUE(splitFields("").empty());
}

}  // namespace
