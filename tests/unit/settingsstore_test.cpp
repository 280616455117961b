// The settings store: profile text edited key by key, and win.ini with the
// per-user file that takes over when win.ini refuses a write.
#include "settingsstore.h"

#include <gtest/gtest.h>

#include "files.h"
#include "testsupport.h"

namespace {

TEST(ProfileText, FindsAndSetsKeysAsTheProfileFunctionsDo) {
    ProfileText profile(
        "; kept comment\r\n[Other]\r\nStayOnTop=7\r\n\r\n[dictionary]\r\n  stayontop = 1 \r\n"
        "ListID=401\r\n\r\n[Last]\r\nx=1\r\n");
    std::string value;
    EXPECT_TRUE(profile.find("Dictionary", "StayOnTop", value));
    EXPECT_EQ(value, "1");  // names ignore case and blanks; the value loses its blanks
    EXPECT_FALSE(profile.find("Dictionary", "x", value));  // another section's key
    EXPECT_FALSE(profile.find("Missing", "x", value));

    profile.set("Dictionary", "STAYONTOP", "0");       // replaced where it stands
    profile.set("Dictionary", "WinPosTopMain", "-8");  // added after the section's last key
    profile.set("Added", "k", "v");                    // a new section at the end
    EXPECT_EQ(profile.text(),
              "; kept comment\r\n[Other]\r\nStayOnTop=7\r\n\r\n[dictionary]\r\nSTAYONTOP=0\r\n"
              "ListID=401\r\nWinPosTopMain=-8\r\n\r\n[Last]\r\nx=1\r\n\r\n[Added]\r\nk=v\r\n");

    ProfileText empty;
    empty.set("Dictionary", "PracticeList", "verbs of motion");
    EXPECT_EQ(empty.text(), "[Dictionary]\r\nPracticeList=verbs of motion\r\n");
}

TEST(ProfileText, NumbersReadAsTheProfileFunctionsReadThem) {
    EXPECT_EQ(profileInt("120", 9999), 120);
    EXPECT_EQ(profileInt(" -8", 9999), -8);
    EXPECT_EQ(profileInt("+5px", 9999), 5);
    EXPECT_EQ(profileInt("abc", 9999), 0);
    EXPECT_EQ(profileInt("", 9999), 9999);
    EXPECT_EQ(profileInt("4294967295", 0), -1);  // a 32-bit value
}

// win.ini's section in memory; its writes can be made to fail.
class FakeWinIni : public WinIniSection {
   public:
    std::string readString(const std::string& key, const std::string& fallback) override {
        std::string value;
        return text.find("Dictionary", key, value) ? value : fallback;
    }
    int readInt(const std::string& key, int fallback) override {
        std::string value;
        return text.find("Dictionary", key, value) ? profileInt(value, fallback) : fallback;
    }
    bool writeString(const std::string& key, const std::string& value) override {
        ++writes;
        if (refuseWrites) return false;
        text.set("Dictionary", key, value);
        return true;
    }
    std::vector<ProfileEntry> entries() override {
        std::vector<ProfileEntry> all;
        for (const char* key : {"StayOnTop", "WinPosLeftMain", "WinPosTopMain", "PracticeList"}) {
            std::string value;
            if (text.find("Dictionary", key, value)) all.emplace_back(key, value);
        }
        return all;
    }
    ProfileText text;
    bool refuseWrites = false;
    int writes = 0;
};

class SettingsStoreTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    FakeWinIni winIni;
    SettingsStore store() { return SettingsStore(winIni, "Dictionary", "appdata\\norva"); }
    void SetUp() override {
        test::makeFolders("appdata");
        winIni.text.set("Dictionary", "StayOnTop", "1");
        winIni.text.set("Dictionary", "WinPosTopMain", "30");
        winIni.text.set("Dictionary", "PracticeList", "verbs");
    }
};

TEST_F(SettingsStoreTest, WritableWinIniIsAllThereIs) {
    EXPECT_TRUE(store().writeInt("WinPosTopMain", -8));
    EXPECT_TRUE(store().writeString("ListID", "401"));
    EXPECT_EQ(winIni.readInt("WinPosTopMain", 9999), -8);
    EXPECT_EQ(store().readInt("ListID", 400), 401);
    EXPECT_EQ(store().readString("PracticeList", ""), "verbs");
    EXPECT_EQ(store().readInt("ClipSearch", 0), 0);  // absent: the default
    EXPECT_FALSE(folderExists("appdata\\norva"));    // no file is made
}

TEST_F(SettingsStoreTest, RefusedWriteMovesTheSectionAndTheFileComesFirstFromThenOn) {
    winIni.refuseWrites = true;
    EXPECT_TRUE(store().writeInt("WinPosTopMain", 120));
    // The whole section, with the value win.ini refused, in the per-user file.
    EXPECT_EQ(test::readBytes("appdata\\norva\\settings.ini"),
              "[Dictionary]\r\nStayOnTop=1\r\nWinPosTopMain=120\r\nPracticeList=verbs\r\n");
    EXPECT_FALSE(fileExists("appdata\\norva\\tmp.ini"));

    // A later run: writes go to the file, even where win.ini would take them.
    winIni.refuseWrites = false;
    winIni.writes = 0;
    EXPECT_TRUE(store().writeString("PracticeList", "nouns"));
    EXPECT_TRUE(store().writeInt("ClipSearch", 1));
    EXPECT_EQ(winIni.writes, 0);
    EXPECT_EQ(store().readString("PracticeList", ""), "nouns");
    EXPECT_EQ(store().readInt("WinPosTopMain", 9999), 120);
    EXPECT_EQ(store().readInt("ClipSearch", 0), 1);

    // A key the file lacks is read from win.ini, key by key.
    winIni.text.set("Dictionary", "EnglishAviDelay", "2000");
    EXPECT_EQ(store().readInt("EnglishAviDelay", 0), 2000);
    EXPECT_EQ(store().readInt("WinPosLeftMain", 9999), 9999);

    // Without the file, win.ini is read again.
    ASSERT_TRUE(removeFile("appdata\\norva\\settings.ini"));
    EXPECT_EQ(store().readInt("WinPosTopMain", 9999), 30);
    EXPECT_EQ(store().readString("PracticeList", ""), "verbs");
}

TEST_F(SettingsStoreTest, AValueKeptNowhereIsReported) {
    winIni.refuseWrites = true;
    FakeWinIni other;
    other.refuseWrites = true;
    EXPECT_FALSE(SettingsStore(other, "Dictionary", "").writeInt("StayOnTop", 0));  // no folder
    EXPECT_FALSE(SettingsStore(winIni, "Dictionary", "missing\\norva").writeInt("StayOnTop", 0));
    EXPECT_FALSE(fileExists("missing\\norva\\settings.ini"));
}

}  // namespace
