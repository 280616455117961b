// Pronunciation file names: the word as it stands, unless it could name a
// file outside its language's folder; each piece of the name read in its
// own code page.
#include "pronunciation.h"

#include <gtest/gtest.h>

namespace {

std::string pathOf(const std::string& word, int wordCodePage = 1252) {
    return pronunciationPath("French", 1252, word, wordCodePage).utf8();
}

TEST(Pronunciation, WordNamesFileInItsLanguagesFolder) {
    EXPECT_EQ(pathOf("chat"), "sound\\French\\chat.wav");
    EXPECT_EQ(pathOf("Chat noir"), "sound\\French\\Chat noir.wav");
    EXPECT_EQ(pathOf("..chat"), "sound\\French\\..chat.wav");
    for (const char* word : {"", ".", "..", "..\\..\\x", "a/b", "c:x", "\\x"})
        EXPECT_TRUE(pronunciationPath("French", 1252, word, 1252).empty()) << word;
}

// A Russian headword of a pair named in a Western edition: the folder from
// the edition's code page, the word from the pair's, whatever the system's.
TEST(Pronunciation, EachPieceKeepsItsCodePage) {
    EXPECT_EQ(pronunciationPath("Fran\xE7"
                                "ais",
                                1252, "\xEA\xEE\xF2", 1251)
                  .utf8(),
              "sound\\Fran\xC3\xA7"
              "ais\\\xD0\xBA\xD0\xBE\xD1\x82.wav");
    EXPECT_EQ(pathOf("\xE9t\xE9"), "sound\\French\\\xC3\xA9t\xC3\xA9.wav");
}

}  // namespace
