// Collation: sort tables, A-Z folding, the locale-name check and table loading.
#include <gtest/gtest.h>

#include <numeric>

#include "collation.h"
#include "testsupport.h"

namespace {

// A table that keeps every byte as itself (case matters).
std::array<unsigned char, 256> identityTable() {
    std::array<unsigned char, 256> t;
    std::iota(t.begin(), t.end(), 0);
    t[1] = 2;  // value 1 means "ignored"
    return t;
}

class CollationTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
    void useTable(const std::array<unsigned char, 256>& t) {
        test::makeFolders("tables");
        test::writeBytes("tables\\French.stb", std::string(t.begin(), t.end()));
        core.pair.hasSortTable = 1;
        loadSortTable();
    }
};

int sign(int v) { return (v > 0) - (v < 0); }

TEST_F(CollationTest, WithoutTableCaseOfAToZIsIgnored) {
    EXPECT_EQ(compareWords("apple", "Apple"), 0);
    EXPECT_EQ(compareWords("APPLE", "apples"), -1);
    EXPECT_EQ(compareWords("b", "A"), 1);
    EXPECT_EQ(compareWords("", ""), 0);
    EXPECT_EQ(compareWords("", "a"), -1);
}

TEST_F(CollationTest, WithoutTableHighBytesCompareUnsigned) {
    // 0xE9 (e acute in 1252) after every ASCII letter; accents are not folded.
    EXPECT_EQ(compareWords("\xe9t\xe9", "zoo"), 1);
    EXPECT_EQ(compareWords("\xc9T\xc9", "\xe9t\xe9"), -1);
    EXPECT_EQ(compareWords("a\x80", "a\x7f"), 1);
}

TEST_F(CollationTest, TableDecidesCase) {
    useTable(identityTable());
    EXPECT_NE(compareWords("apple", "Apple"), 0);
    EXPECT_EQ(compareWords("Apple", "apple"), -1);
}

TEST_F(CollationTest, IgnoredCharactersDropOut) {
    auto t = identityTable();
    t['-'] = 1;
    useTable(t);
    EXPECT_EQ(compareWords("to-day", "today"), 0);
    EXPECT_EQ(compareWords("---", ""), 0);
}

TEST_F(CollationTest, ZeroValueEndsTheText) {
    auto t = identityTable();
    t['#'] = 0;
    useTable(t);
    EXPECT_EQ(compareWords("ab#zzz", "ab#aaa"), 0);
    EXPECT_EQ(compareWords("ab#zzz", "ab"), 0);
    EXPECT_EQ(compareWords("", "#x"), 0);
    EXPECT_EQ(compareWords("", "a"), -1);
}

TEST_F(CollationTest, TableIsIndexedByUnsignedByteAndCanReorder) {
    auto t = identityTable();
    t[0xE9] = 'e';  // e acute sorts as e
    t['z'] = 0x30;  // z before every letter
    useTable(t);
    EXPECT_EQ(compareWords("\xe9t\xe9", "ete"), 0);
    EXPECT_EQ(compareWords("z", "a"), -1);
    EXPECT_EQ(sign(compareBySortTable("\xff", "a", t.data())), 1);
}

TEST_F(CollationTest, LongTextsCompareInFull) {
    useTable(identityTable());
    std::string a(200, 'k'), b(200, 'k');
    b[199] = 'l';
    EXPECT_EQ(compareWords(a.c_str(), b.c_str()), -1);
}

TEST_F(CollationTest, ShortTableFillsOnlyItsLeadingEntries) {
    auto full = identityTable();
    useTable(full);
    std::string shortTable(100, '\x05');  // entries 0-99 become 5
    test::writeBytes("tables\\French.stb", shortTable);
    loadSortTable();
    EXPECT_EQ(collation.sortTable['a' - 1], 5);  // 96
    EXPECT_EQ(collation.sortTable['z'], 'z');    // kept
    EXPECT_EQ(compareWords("!", "?"), 0);        // both below 100, both 5
}

TEST_F(CollationTest, EmptyTableFileChangesNothing) {
    useTable(identityTable());
    test::writeBytes("tables\\French.stb", "");
    loadSortTable();
    EXPECT_TRUE(core.messages().empty());
    EXPECT_EQ(collation.sortTable['q'], 'q');
}

TEST_F(CollationTest, MissingTableWarnsAndKeepsTheOldOne) {
    useTable(identityTable());
    std::filesystem::remove("tables/French.stb");
    loadSortTable();
    ASSERT_EQ(core.messages().size(), 1u);
    EXPECT_EQ(core.messages()[0].text, "Can't open sorttable");
    EXPECT_EQ(core.messages()[0].caption, "error");
    EXPECT_NE(compareWords("a", "A"), 0);  // still the table in memory
}

TEST_F(CollationTest, PairWithoutTableLoadsNothing) {
    loadSortTable();
    EXPECT_TRUE(core.messages().empty());
    EXPECT_EQ(collation.sortTable['a'], 0);
}

TEST_F(CollationTest, LocaleNameCheck) {
    EXPECT_TRUE(checkLocaleName("ENGLISH"));
    EXPECT_TRUE(checkLocaleName("english"));
    EXPECT_TRUE(checkLocaleName("Russian_Russia.1251"));
    EXPECT_TRUE(checkLocaleName("norwegian-bokmal"));
    EXPECT_TRUE(core.messages().empty());
    EXPECT_FALSE(checkLocaleName("klingon"));
    ASSERT_EQ(core.messages().size(), 1u);
    EXPECT_EQ(core.messages()[0].text, "Unknown locale : klingon");
    EXPECT_EQ(core.messages()[0].caption, "error");
    EXPECT_EQ(core.messages()[0].owner, MessageOwner::None);
    EXPECT_EQ(languageIdOf(findLanguageName("english")), 9);
    EXPECT_EQ(languageIdOf(findLanguageName("French")), 12);
    EXPECT_EQ(languageIdOf(findLanguageName("RUSSIAN")), 25);
    EXPECT_EQ(languageIdOf(findLanguageName("croatian")),
              languageIdOf(findLanguageName("serbian")));
    EXPECT_EQ(findLanguageName("AFRIKAANS"), 0);
    EXPECT_EQ(findLanguageName("vietnamese"), 69);
}

TEST_F(CollationTest, ApplyAtStartUpWarnsWhenLocaleCannotBeSet) {
    copyField(core.pair.locale, sizeof core.pair.locale, "esperanto");
    applyCollation(CollationOccasion::StartUp);
    // No platform knows "esperanto": the locale warning, then the name warning.
    ASSERT_EQ(core.messages().size(), 2u);
    EXPECT_EQ(core.messages()[0].text, "Error setting LOCALE");
    EXPECT_EQ(core.messages()[0].caption, "Dictionary");
    EXPECT_EQ(core.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(core.messages()[0].owner, MessageOwner::None);
    EXPECT_EQ(core.messages()[1].text, "Unknown locale : esperanto");
}

TEST_F(CollationTest, ApplyOnPairChangeLoadsTableFirstAndOwnsTheWarning) {
    copyField(core.pair.locale, sizeof core.pair.locale, "esperanto");
    core.pair.hasSortTable = 1;  // but no file: the table warning comes first
    applyCollation(CollationOccasion::PairChange);
    ASSERT_EQ(core.messages().size(), 3u);
    EXPECT_EQ(core.messages()[0].text, "Can't open sorttable");
    EXPECT_EQ(core.messages()[1].owner, MessageOwner::MainWindow);
    EXPECT_EQ(core.messages()[2].text, "Unknown locale : esperanto");
}

TEST_F(CollationTest, ApplyForResortIsSilentAboutTheLocale) {
    copyField(core.pair.locale, sizeof core.pair.locale, "esperanto");
    applyCollation(CollationOccasion::Resort);
    ASSERT_EQ(core.messages().size(), 1u);
    EXPECT_EQ(core.messages()[0].text, "Unknown locale : esperanto");
}

}  // namespace
