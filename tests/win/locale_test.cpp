// Locale collation on Windows: CompareStringA with string sort, in the locale
// the CRT puts in force.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "collate.h"
#include "collation.h"
#include "headwordsort.h"
#include "lookup.h"
#include "testsupport.h"
#include "wordstore.h"

namespace {

class LocaleTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English", "french")};
};

TEST_F(LocaleTest, KnownLocalesCanBeSetUnknownOnesCannot) {
    for (const char* name : {"english", "french", "swedish", "russian", "dutch", "italian",
                             "norwegian", "danish", "german"})
        EXPECT_TRUE(setCollationLocale(name)) << name;
    clearCollationLocale();
    EXPECT_FALSE(setCollationLocale("esperanto"));
    EXPECT_FALSE(collationLocaleInForce());
}

TEST_F(LocaleTest, StringSortPutsHyphenBeforeLetters) {
    ASSERT_TRUE(setCollationLocale("french"));
    EXPECT_EQ(compareWords("co-op", "coop"), -1);
    EXPECT_EQ(compareWords("l'eau", "leau"), -1);
    EXPECT_EQ(compareWords("Apple", "apple"), 0);
    EXPECT_EQ(compareWords("\xe9t\xe9", "ETE"), 1);   // accents matter, after the plain letter
    EXPECT_EQ(compareWords("\xe9t\xe9", "etf"), -1);  // but sort among the e's, not after z
}

TEST_F(LocaleTest, RussianComparesCyrillicBytesOf1251) {
    ASSERT_TRUE(setCollationLocale("russian"));
    // "кот" < "Собака" < "яблоко" in Russian order, whatever the case.
    EXPECT_EQ(compareWords("\xea\xee\xf2", "\xd1\xee\xe1\xe0\xea\xe0"), -1);
    EXPECT_EQ(compareWords("\xff\xe1\xeb\xee\xea\xee", "\xd1\xee\xe1\xe0\xea\xe0"), 1);
    EXPECT_EQ(compareWords("\xca\xce\xd2", "\xea\xee\xf2"), 0);
}

TEST_F(LocaleTest, FailedSetKeepsThePreviousLocale) {
    ASSERT_TRUE(setCollationLocale("french"));
    copyField(core.pair.locale, sizeof core.pair.locale, "esperanto");
    applyCollation(CollationOccasion::StartUp);
    EXPECT_TRUE(collationLocaleInForce());
    EXPECT_EQ(compareWords("co-op", "coop"), -1);  // still string sort, not A-Z folding
    ASSERT_GE(core.messages().size(), 1u);
    EXPECT_EQ(core.messages()[0].text, "Error setting LOCALE");
}

TEST_F(LocaleTest, LookupFollowsTheLocaleOrder) {
    ASSERT_TRUE(setCollationLocale("french"));
    test::makeFolders("language");
    test::writeWordFile(
        "language\\Fre_Eng.wb",
        {{"co-op", ""}, {"coop", ""}, {"\xe9t\xe9", "summer"}, {"\xeatre", "be"}, {"zoo", ""}});
    ASSERT_EQ(openDictionary(), 0);
    countRecords();
    EXPECT_EQ(findWord("ETE"), 2);  // insertion point before "été"
    EXPECT_EQ(findWord("\xc9T\xc9"), 2);
    EXPECT_EQ(findWord("f"), 4);
}

// Words whose order is easy to get wrong: case, accents, letters that expand
// (\xdf, \xe6, \x9c), letters some locales put after z, hyphens, apostrophes
// and blanks (string sort: symbols before letters), digits, equal words.
const std::vector<std::string> kHardWords = {
    "", " ", "a", "A", "Apple", "apple", "APPLE", "apples", "co-op", "coop", "co'op", "coop-",
    "-coop", "'coop", "l'eau", "leau", "l eau", "le-au", "\xe9t\xe9", "ete", "ETE", "\xc9T\xc9",
    "\xeatre", "etre", "\xe8re", "ere", "f", "z", "\xe5", "aa", "Aa", "\xe4", "ae", "\xe6", "\xf6",
    "oe", "\x9c", "\xf8", "\xfc", "ue", "u", "\xdf", "ss", "sz",
    "\xdf"
    "a",
    "ssa", "a-b", "a b", "ab", "a--b", "a'b", "1", "10", "2", "a1", "a10", "a2", "\xff", "y",
    "\xe0 la", "a la", "\xc0", "-", "--", "'", "''", "a-", "a'", "na\xefve", "naive", "NA\xcfVE",
    "\xf1", "n", "\xf3", "o",
    // Cyrillic (read as 1251 by the Russian locale): \xb8 and \xe5 are "yo" and "ye".
    "\xb8\xeb\xea\xe0", "\xe5\xeb\xea\xe0", "\xe5\xeb\xea\xe8", "\xff\xe1\xeb\xee\xea\xee"};

TEST_F(LocaleTest, SortByKeysEndsInTheComparisonsOrderInEveryLocale) {
    std::vector<const char*> words;
    for (const std::string& w : kHardWords) words.push_back(w.c_str());
    for (const char* locale : {"english", "french", "german", "swedish", "danish", "norwegian",
                               "dutch", "italian", "russian"}) {
        ASSERT_TRUE(setCollationLocale(locale));
        std::vector<uint32_t> expected(words.size());
        std::iota(expected.begin(), expected.end(), 0u);
        std::stable_sort(expected.begin(), expected.end(), [&](uint32_t x, uint32_t y) {
            return compareInLocale(words[x], words[y]) < 0;
        });
        EXPECT_EQ(sortHeadwords(words, localeOrder()), expected) << locale;
        // Hyphen and apostrophe are symbols before the letters, not ignored.
        EXPECT_LT(std::find(expected.begin(), expected.end(), 8) - expected.begin(),
                  std::find(expected.begin(), expected.end(), 9) - expected.begin())
            << locale;  // co-op before coop
    }
}

TEST_F(LocaleTest, AComparisonThePlatformCannotMakeFallsBackToAToZFolding) {
    ASSERT_TRUE(setCollationLocale("french"));
    ASSERT_EQ(compareWords("\xe9t\xe9", "etf"), -1);  // the locale's order
    replaceCollationIdForTesting(0x7fff1234);         // an identifier no platform knows
    // A-Z folding on unsigned bytes, one answer each way, never "greater" both ways.
    EXPECT_EQ(compareWords("\xe9t\xe9", "etf"), 1);
    EXPECT_EQ(compareWords("etf", "\xe9t\xe9"), -1);
    EXPECT_EQ(compareWords("Apple", "apple"), 0);
    // No sort keys either: a sort still ends in the folding order.
    unsigned char key[64];
    EXPECT_EQ(sortKeyInLocale("apple", key, sizeof key), 0u);
    std::vector<const char*> words = {"\xe9t\xe9", "b", "etf", "A"};
    EXPECT_EQ(sortHeadwords(words, currentWordOrder()), (std::vector<uint32_t>{3, 1, 2, 0}));
}

}  // namespace
