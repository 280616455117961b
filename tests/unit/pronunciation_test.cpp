// Pronunciation file names: the word as it stands, unless it could name a
// file outside its language's folder.
#include "pronunciation.h"

#include <gtest/gtest.h>

namespace {

TEST(Pronunciation, WordNamesFileInItsLanguagesFolder) {
    EXPECT_EQ(pronunciationPath("French", "chat"), "sound\\French\\chat.wav");
    EXPECT_EQ(pronunciationPath("French", "Chat noir"), "sound\\French\\Chat noir.wav");
    EXPECT_EQ(pronunciationPath("French", "..chat"), "sound\\French\\..chat.wav");
    for (const char* word : {"", ".", "..", "..\\..\\x", "a/b", "c:x", "\\x"})
        EXPECT_EQ(pronunciationPath("French", word), "") << word;
}

}  // namespace
