// Picking the word at a caret out of a loaded text, and loading the text.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "loadedtext.h"
#include "testsupport.h"
#include "wordpick.h"

namespace {

std::string at(const std::string& text, int32_t caret) {
    return wordAtCaret(text.c_str(), static_cast<int32_t>(text.size()), caret);
}

TEST(WordPick, DelimitersAreTheSixtyNineListedBytes) {
    std::string delimiters;
    for (int b = 0; b < 256; ++b)
        if (isWordDelimiter(static_cast<unsigned char>(b))) delimiters += static_cast<char>(b);
    std::string expected;
    for (char c = 0; c < ' '; ++c) expected += c;
    expected += " !\"#$%&()*+,./0123456789:;<=>?@[\\]^_`";
    EXPECT_EQ(delimiters, expected);
    EXPECT_EQ(delimiters.size(), 69u);
}

TEST(WordPick, WordsAroundTheCaret) {
    const std::string text = "l'homme  self-made, ab3cd {x}~\x7f\xe9t\xe9!";
    struct Case {
        int32_t caret;
        const char* word;
    } cases[] = {
        {0, "l'homme"},  // at the start of the text, over the apostrophe
        {3, "l'homme"},
        {7, ""},  // just after the last letter: the scan starts on the blank
        {8, ""},  // between two delimiters
        {9, "self-made"},
        {13, "self-made"},  // on the hyphen
        {20, "ab"},         // digits end words: the letters on the caret's side
        {23, "cd"},
        {22, ""},  // on the digit itself
        {26, "{x}~\x7f\xe9t\xe9"},
    };
    for (const Case& c : cases) EXPECT_EQ(at(text, c.caret), c.word) << "caret " << c.caret;
}

TEST(WordPick, TheTextsEdges) {
    EXPECT_EQ(at("", 0), "");
    EXPECT_EQ(at("word", 4), "");  // after the last byte
    EXPECT_EQ(at("word", 5), "");
    EXPECT_EQ(at("word", -1), "");
    // A text that opens with a blank or a line end keeps it out of its first word.
    EXPECT_EQ(at(" word", 1), "word");
    EXPECT_EQ(at("\nword", 3), "word");
    // Clipboard text in a larger block: the word ends at the text's NUL.
    std::string block("end word", 8);
    block.resize(64, '\0');
    EXPECT_EQ(wordAtCaret(block.c_str(), 64, 5), "word");
    block.replace(9, 4, "tail");  // bytes after the NUL are never part of the text
    EXPECT_EQ(wordAtCaret(block.c_str(), 64, 5), "word");
    // A file whose size ends the scan where no NUL would.
    EXPECT_EQ(wordAtCaret("wordmore", 4, 1), "word");
}

TEST(WordPick, LongWordsAreCutTo99Bytes) {
    std::string text = "x " + std::string(150, 'a') + " y";
    EXPECT_EQ(at(text, 140), std::string(99, 'a'));
    std::string last;
    EXPECT_TRUE(pickWordAtCaret(text.c_str(), static_cast<int32_t>(text.size()), 2, last));
    EXPECT_EQ(last.size(), 99u);
}

TEST(WordPick, TheSameWordIsPickedOnce) {
    const std::string text = "one two one";
    const int32_t size = static_cast<int32_t>(text.size());
    std::string last;
    EXPECT_TRUE(pickWordAtCaret(text.c_str(), size, 1, last));
    EXPECT_EQ(last, "one");
    EXPECT_FALSE(pickWordAtCaret(text.c_str(), size, 9, last));  // the same word elsewhere
    EXPECT_FALSE(pickWordAtCaret(text.c_str(), size, 3, last));  // nothing at the caret
    EXPECT_EQ(last, "one");
    EXPECT_TRUE(pickWordAtCaret(text.c_str(), size, 4, last));
    EXPECT_TRUE(pickWordAtCaret(text.c_str(), size, 8, last));
    EXPECT_EQ(last, "one");
    last.clear();  // emptied when the pair changes: the word is looked up again
    EXPECT_TRUE(pickWordAtCaret(text.c_str(), size, 8, last));
}

class LoadedTextTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    LoadedText text;
    void SetUp() override {
        std::string old("old");
        takeClipboardBlock(old, 4, text);
    }
    TextLoad load(const std::string& bytes, int32_t maxSize = kMaxLoadedTextSize) {
        test::writeBytes("in.txt", bytes);
        FILE* f = std::fopen("in.txt", "rb");
        TextLoad result = readWholeText(f, text, maxSize);
        std::fclose(f);
        return result;
    }
    void expectOldText() {
        EXPECT_EQ(text.shownBytes(), "old");
        EXPECT_EQ(text.loadedTextSize, 4);
    }
};

TEST_F(LoadedTextTest, AFileIsReadWholeAsItsBytes) {
    std::string bytes("a\r\nb\0c\xff", 7);
    ASSERT_EQ(load(bytes), TextLoad::Loaded);
    EXPECT_EQ(text.loadedTextSize, 7);
    EXPECT_EQ(text.bytes, bytes);
    EXPECT_EQ(text.data()[7], '\0');
    EXPECT_EQ(text.shownBytes(), "a\r\nb");  // a NUL ends what is shown
    std::string big(200000, 'x');            // more than one piece
    ASSERT_EQ(load(big), TextLoad::Loaded);
    EXPECT_EQ(text.bytes, big);
    ASSERT_EQ(load(""), TextLoad::Loaded);
    EXPECT_EQ(text.loadedTextSize, 0);
    EXPECT_EQ(text.shownBytes(), "");
}

TEST_F(LoadedTextTest, WhatCannotBeLoadedLeavesTheOldText) {
    EXPECT_EQ(load(std::string(1001, 'x'), 1000), TextLoad::TooLarge);
    expectOldText();
    EXPECT_EQ(load(std::string(1000, 'x'), 1000), TextLoad::Loaded);
    SetUp();
    // A stream that cannot be read: the read fails, nothing is taken.
    FILE* f = std::fopen("out.txt", "wb");
    std::fputs("written", f);
    EXPECT_EQ(readWholeText(f, text), TextLoad::ReadFailed);
    std::fclose(f);
    expectOldText();
}

TEST_F(LoadedTextTest, ClipboardTextFillsABufferOfItsBlocksSize) {
    ASSERT_EQ(takeClipboardBlock(std::string("two words"), 40, text), TextLoad::Loaded);
    EXPECT_EQ(text.loadedTextSize, 40);
    EXPECT_EQ(text.bytes, std::string("two words") + std::string(31, '\0'));
    EXPECT_EQ(takeClipboardBlock(std::string(10, 'x'), 2000, text, 1000), TextLoad::TooLarge);
    EXPECT_EQ(text.loadedTextSize, 40);
    // A text longer than its block (converted into more bytes) is kept whole.
    ASSERT_EQ(takeClipboardBlock(std::string("longer"), 3, text), TextLoad::Loaded);
    EXPECT_EQ(text.shownBytes(), "longer");
    EXPECT_EQ(text.loadedTextSize, 6);
}

}  // namespace
