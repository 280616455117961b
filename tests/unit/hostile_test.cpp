// Damaged and hostile files and inputs, one table a format: each row gives
// the bytes and what must come of them (the result the program acts on, the
// text of its message). Whatever the row, nothing crashes (the suite runs
// under AddressSanitizer and UBSan) and no file is lost: where a writer meets
// a full disk or a folder in place of its file, the old file stays as it was.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "catalogue.h"
#include "collation.h"
#include "files.h"
#include "installargs.h"
#include "installscript.h"
#include "languagecf.h"
#include "listfolders.h"
#include "loadedtext.h"
#include "lookup.h"
#include "palettelayout.h"
#include "profiletext.h"
#include "resort.h"
#include "reverselist.h"
#include "settingsfile.h"
#include "testsupport.h"
#include "wbtool_import.h"
#include "wordpick.h"
#include "wordstore.h"

namespace {

namespace fs = std::filesystem;

std::string repeat(const std::string& piece, size_t times) {
    std::string s;
    s.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i) s += piece;
    return s;
}

std::string items(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += "Lang" + std::to_string(i) + ",english,0\n";
    return s;
}

// Writes a file, making its folder first.
void put(const std::string& path, const std::string& bytes) {
    const fs::path file = nativePath(path);
    if (file.has_parent_path()) fs::create_directories(file.parent_path());
    test::writeBytes(path, bytes);
}

// A file name that takes nothing: writes to it fail as on a full disk.
void fullDiskAt(const std::string& path) { fs::create_symlink("/dev/full", nativePath(path)); }

class Hostile : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::CoreState core{test::makePair("French", "English")};
    void TearDown() override { clearCatalogue(); }
};

// The settings file: the catalogue built from [language], bounded, in time
// linear in the file's size.
TEST_F(Hostile, SettingsFiles) {
    const std::string tenMegabyteLine = repeat("Abcdefghij", 1024 * 1024);
    struct Row {
        const char* what;
        std::string bytes;
        int result;         // of loadCatalogue: -1 ends the program with the missing-file message
        int entries;        // catalogue size when loaded
        bool leftOut;       // the user is told that items were left out
        std::string first;  // name of the first entry when loaded
    } rows[] = {
        {"one line of 10 MB in [language]", "[language]\n" + tenMegabyteLine + "\n", 0,
         2 * kMaxCatalogueItems, true, tenMegabyteLine.substr(0, 99)},
        {"one line of 10 MB before any section", tenMegabyteLine + "\n[language]\nFrench\n", 0, 2,
         false, "French"},
        {"150 items", "[language]\n" + items(150), 0, 2 * kMaxCatalogueItems, true, "Lang0"},
        {"exactly as many items as the menus hold", "[language]\n" + items(kMaxCatalogueItems), 0,
         2 * kMaxCatalogueItems, false, "Lang0"},
        {"no newline at the end", "[language]\nFrench,french,0", 0, 2, false, "French"},
        {"CR-only line ends: one line, no section", "[language]\rFrench,french,0\r", -1, 0, false,
         ""},
        {"NUL byte inside a name", std::string("[language]\nFre\0nch,french,0\n", 27), 0, 2, false,
         "Fre"},
        {"NUL byte within the first three characters of the only name",
         std::string("[language]\nF\0\0\0nch,french,0\n", 28), -1, 0, false, ""},
        {"0xFF bytes as a name", "[language]\n\xff\xff\xff,french,0\n", 0, 2, false,
         "\xff\xff\xff"},
        {"empty file", "", -1, 0, false, ""},
        {"only names under three characters", "[language]\nFr\nDe,german\n", -1, 0, false, ""},
        {"locale of 20 characters refused",
         "[language]\nFrench," + std::string(20, 'l') + ",0\nGerman\n", 0, 2, false, "German"},
        {"a line of 250 characters: items of 99, 99 and 52 characters",
         "[language]\n" + std::string(250, 'A') + "\n", 0, 6, false, std::string(99, 'A')},
        {"empty line before the first item", "[language]\n\nFrench\n", -1, 0, false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        test::writeBytes("dict.ini", row.bytes);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(loadCatalogue(), row.result);
        if (row.result == 0) {
            EXPECT_EQ(catalogue.size, row.entries);
            EXPECT_EQ(catalogueItemsLeftOut(), row.leftOut);
            EXPECT_EQ(catalogueEntry(0)->name, row.first);
            EXPECT_EQ(loadSelection(), 0);
        }
        // Linear: a 10 MB file is read in well under a second natively; a
        // walk of the catalogue per item took minutes.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        clearCatalogue();
    }
}

// A folder where the settings file should be, a [selected] line of 10 MB,
// and the rewrite of [selected] on a full disk or with tmp.ini a folder.
TEST_F(Hostile, SettingsFileInTheWay) {
    test::makeFolders("dict.ini");
    EXPECT_EQ(loadCatalogue(), -1);  // start-up then ends with the missing-file message
    fs::remove(nativePath("dict.ini"));

    const std::string settings =
        "[selected]\n" + repeat("x", 10 * 1024 * 1024) + "\n\n[language]\nFrench\nGerman\n";
    test::writeBytes("dict.ini", settings);
    ASSERT_EQ(loadCatalogue(), 0);
    EXPECT_EQ(loadSelection(), 0);
    EXPECT_EQ(currentPair(), catalogueEntry(2));  // names no pair: the first reverse entry

    test::makeFolders("language");
    test::writeWordFile("language\\Eng_Ger.wb", {{"house", "Haus"}});
    catalogue.currentPair = catalogueEntry(3);
    fullDiskAt("tmp.ini");
    EXPECT_EQ(selectPair(), -1);  // not remembered, nothing shown
    EXPECT_EQ(test::readBytes("dict.ini"), settings);
    EXPECT_TRUE(wordStore.dictionaryFile != nullptr);  // the word files follow the pair
    fs::remove(nativePath("tmp.ini"));
    test::makeFolders("tmp.ini");
    EXPECT_EQ(selectPair(), -1);
    EXPECT_EQ(test::readBytes("dict.ini"), settings);
}

// Word files: partial tails, fields without NUL, any mark, nothing at all.
TEST_F(Hostile, WordFiles) {
    WordRecord live{};
    std::strcpy(live.headword, "maison");
    std::strcpy(live.translation, "house");
    std::string record(reinterpret_cast<const char*>(&live), sizeof live);
    WordRecord marked = live;
    marked.deleted = -1;  // 0xFFFF
    std::strcpy(marked.headword, "chat");
    struct Row {
        const char* what;
        std::string bytes;
        int32_t count;      // records counted
        int32_t afterSort;  // live records after a re-sort
        std::string first;  // headword of record 0 as read
    } rows[] = {
        {"size not a multiple of 84", record + record + std::string(40, 'x'), 2, 2, "maison"},
        {"no NUL in either field", std::string(82, 'x') + std::string(2, '\0'), 1, 1,
         std::string(30, 'x')},
        {"0xFF bytes", std::string(84 * 2, '\xff'), 2, 0, std::string(30, '\xff')},
        {"a record marked 0xFFFF", std::string(reinterpret_cast<const char*>(&marked), 84) + record,
         2, 1, "chat"},
        {"an empty file", "", 0, 0, ""},
        {"a tail of 83 bytes only", std::string(83, 'a'), 0, 0, ""},
    };
    test::makeFolders("list\\verbs");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        put("language\\Fre_Eng.wb", row.bytes);
        ASSERT_EQ(openDictionary(), 0);
        countRecords();
        EXPECT_EQ(wordStore.dictionaryCount, row.count);
        if (row.count > 0) {
            ASSERT_EQ(readDictionaryRecord(0), 0);
            EXPECT_EQ(std::string(wordStore.recordBuffer.headword), row.first);
        }
        EXPECT_LE(findWord("zzz"), wordStore.dictionaryCount);
        ASSERT_EQ(resortDictionary(), 0);
        EXPECT_EQ(wordStore.dictionaryCount, row.afterSort);
        EXPECT_EQ(test::readBytes("language\\Fre_Eng.wb").size(), 84u * row.afterSort);
        closeWordFiles();
    }
}

// Word files that cannot be used, and a re-sort on a full disk.
TEST_F(Hostile, WordFilesInTheWay) {
    test::makeFolders("list\\verbs");
    test::makeFolders("language\\Fre_Eng.wb");
    EXPECT_EQ(openDictionary(), -1);  // a folder is no dictionary: start-up's missing-file path
    fs::remove(nativePath("language\\Fre_Eng.wb"));

    test::writeWordFile("language\\Fre_Eng.wb", {{"velo", "bicycle"}, {"arbre", "tree"}});
    const std::string before = test::readBytes("language\\Fre_Eng.wb");

    ASSERT_EQ(openDictionary(), 0);
    countRecords();
    fullDiskAt("language\\tempfile");
    ResortFailure failure;
    EXPECT_EQ(resortDictionary(nullptr, ResortCollation::CurrentPair, &failure), -1);
    EXPECT_EQ(failure, ResortFailure::Write);  // "Sort failed"
    EXPECT_EQ(test::readBytes("language\\Fre_Eng.wb"), before);
    EXPECT_EQ(wordStore.dictionaryCount, 2);
}

// Sort tables of 0, 256 and 300 bytes, and a folder in a table's place:
// words still compare as an order does.
TEST_F(Hostile, SortTables) {
    struct Row {
        const char* what;
        bool folder;
        std::string bytes;
    } rows[] = {
        {".stb of 0 bytes", false, ""},
        {".stb of 300 bytes", false, std::string(300, '\x05')},
        {".stb of 0xFF bytes", false, std::string(256, '\xff')},
        {"a folder named like the table", true, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove_all("tables");
        if (row.folder)
            test::makeFolders("tables\\French.stb");
        else
            put("tables\\French.stb", row.bytes);
        core.pair.hasSortTable = 1;
        loadSortTable(&core.pair);
        const char* words[] = {"abc", "ABD", "\xe9t\xe9", "", "zz"};
        for (const char* a : words) {
            EXPECT_EQ(compareWords(a, a), 0);
            for (const char* b : words)
                EXPECT_EQ(compareWords(a, b) > 0, compareWords(b, a) < 0) << a << " / " << b;
        }
    }
}

// install.inf: overlong lines, NUL and 0xFF bytes, CR-only ends.
TEST_F(Hostile, InstallScripts) {
    struct Row {
        const char* what;
        std::string bytes;
        size_t commands;  // commands handed on in pass 2
        const char* title;
    } rows[] = {
        {"a line of 10 000 characters", "title " + std::string(10000, 't') + "\nmkwlist\n", 1,
         nullptr},
        {"no newline at the end", "title Norva\nmkwlist", 1, "Norva"},
        {"CR-only line ends", "title Norva\rmkwlist\r", 0, "Norva\rmkwlist\r"},
        {"NUL bytes", std::string("title No\0va\nmkwlist\n", 20), 1, nullptr},
        {"0xFF bytes and a copy without operands", "\xff\xff\ncopy only\nmkwlist\n", 1, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        test::writeBytes("install.inf", row.bytes);
        ScriptSettings settings;
        ASSERT_TRUE(readScriptSettings("install.inf", settings));
        if (row.title) {
            EXPECT_EQ(settings.title, row.title);
        }
        size_t commands = 0;
        ASSERT_TRUE(runScriptCommands("install.inf", [&](const ScriptCommand&) { ++commands; }));
        EXPECT_EQ(commands, row.commands);
    }
    test::makeFolders("folder.inf");
    ScriptSettings settings;
    size_t none = 0;
    // A folder reads as an empty script: the installer's own missing-script
    // check (the file's existence) comes first.
    readScriptSettings("folder.inf", settings);
    runScriptCommands("folder.inf", [&](const ScriptCommand&) { ++none; });
    EXPECT_EQ(none, 0u);
}

// language.cf: entries cut short, 0xFF bytes; the fatal text names the entry.
TEST_F(Hostile, LanguageLists) {
    struct Row {
        const char* what;
        std::string bytes;
        int entries;        // whole entries read before the end or the error
        const char* error;  // the fatal text's first line, or none
    } rows[] = {
        {"ends inside an entry", "French,french,0,French\nFrench_English.wb\n", 0,
         "Incomplete entry at the end of LANGUAGE.CF:"},
        {"three fields", "French,french,0\na.wb\nb.wb\n", 0,
         "Entry without its four fields in LANGUAGE.CF:"},
        {"empty", "", 0, nullptr},
        {"0xFF bytes as fields", "\xff,\xff,\xff,\xff\n\xff.wb\n\xfe.wb\n", 1, nullptr},
        {"no newline at the end", "A,b,0,Alpha\nA.wb\nB.wb", 1, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        test::writeBytes("language.cf", row.bytes);
        FILE* file = openFile("language.cf", "rb");
        ASSERT_TRUE(file);
        LanguageListReader reader(file);
        LanguageEntry entry;
        std::string error;
        int entries = 0, result;
        while ((result = reader.next(entry, error)) == 1) ++entries;
        std::fclose(file);
        EXPECT_EQ(entries, row.entries);
        if (row.error) {
            EXPECT_EQ(result, -1);
            EXPECT_EQ(error.substr(0, error.find('\n')), row.error);
        } else {
            EXPECT_EQ(result, 0);
        }
    }
}

// Charset files of the palette: empty, endless, CR-only.
TEST_F(Hostile, CharsetFiles) {
    struct Row {
        const char* what;
        std::string bytes;
        std::string shown;  // the palette's characters
    } rows[] = {
        {"0 bytes: the built-in set", "", builtInPaletteCharacters()},
        {"1000 bytes without a newline", std::string(1000, '\xe9'),
         std::string(kPaletteMaxCharacters, '\xe9')},
        {"CR-only: one line up to the limit", repeat("\xe0\r", 200),
         repeat("\xe0\r", kPaletteMaxCharacters / 2)},
        {"NUL bytes kept as characters", std::string("\xe0\0\xe1\n", 4),
         std::string("\xe0\0\xe1\n", 4)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        put(charsetFilePath("French"), row.bytes);
        EXPECT_EQ(paletteCharactersFor("French"), row.shown);
    }
    fs::remove(nativePath(charsetFilePath("French")));
    test::makeFolders(charsetFilePath("French"));
    EXPECT_EQ(paletteCharactersFor("French"), builtInPaletteCharacters());
}

// Command lines and wbtool's import tables.
TEST_F(Hostile, CommandLinesAndImportTables) {
    const std::string endless = "/dir=" + std::string(5000, 'd') + " /quiet \"unclosed";
    InstallArguments install = parseInstallArguments(endless);
    EXPECT_TRUE(install.quiet);
    EXPECT_EQ(install.folder, std::string(5000, 'd'));
    EXPECT_EQ(install.unknown, std::vector<std::string>{"unclosed"});

    struct Row {
        const char* what;
        std::string table;
        int errorLine;  // 0: imported
        size_t records;
    } rows[] = {
        {"a line without a tab", "arbre\ttree\nmaison house\n", 2, 0},
        {"a headword of 31 characters", std::string(31, 'h') + "\tx\n", 1, 0},
        {"CR LF ends and no newline at the end", "arbre\ttree\r\nchat\tcat", 0, 2},
        {"a NUL inside a headword", std::string("ar\0bre\ttree\n", 12), 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<WordRecord> records;
        ImportError error = parseWordTable(row.table, 1252, records);
        EXPECT_EQ(error.line, row.errorLine);
        if (row.errorLine) {
            EXPECT_FALSE(error.message.empty());
        } else {
            EXPECT_EQ(records.size(), row.records);
        }
    }
}

// The text-file search: clipboard text of 1 MB, texts beyond the limit
// (the old text stays), a caret anywhere.
TEST_F(Hostile, TextsToSearch) {
    LoadedText text;
    const std::string megabyte = repeat("mot ", 256 * 1024);
    ASSERT_EQ(takeClipboardBlock(megabyte, megabyte.size() + 1, text), TextLoad::Loaded);
    EXPECT_EQ(text.shownBytes().size(), megabyte.size());
    EXPECT_EQ(wordAtCaret(text.data(), text.loadedTextSize, int32_t(megabyte.size()) - 2), "mot");
    EXPECT_EQ(wordAtCaret(text.data(), text.loadedTextSize, -5), "");
    EXPECT_EQ(wordAtCaret(text.data(), text.loadedTextSize, text.loadedTextSize + 100), "");

    // 100 MB on disk: refused without reading it, the text shown stays.
    {
        FILE* big = openFile("big.txt", "wb");
        ASSERT_TRUE(big);
        ASSERT_TRUE(seekFile(big, 100LL * 1024 * 1024 - 1));
        std::fputc('x', big);
        std::fclose(big);
    }
    FILE* big = openFile("big.txt", "rb");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(readWholeText(big, text), TextLoad::TooLarge);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    std::fclose(big);
    EXPECT_EQ(text.shownBytes().size(), megabyte.size());
    EXPECT_EQ(takeClipboardBlock(megabyte, kMaxLoadedTextSize + 1u, text), TextLoad::TooLarge);
}

// List folders: a name of 148 characters is a list; a longer one cannot be
// held as the current list and is passed over, not cut to another name.
TEST_F(Hostile, ListFolderNames) {
    const std::string longest(148, 'l'), tooLong(160, 'a');
    test::makeFolders("list\\" + tooLong);
    test::makeFolders("list\\" + longest);
    EXPECT_EQ(countListFolders(), 2);
    EXPECT_EQ(chooseFirstList(), 400);
    EXPECT_EQ(std::string(wordStore.currentListName), longest);
    EXPECT_TRUE(listExists());
}

// The installer's settings rewrites and the per-user settings file on a
// full disk: the old files stay whole and the failure is reported.
TEST_F(Hostile, InstallerWritersOnAFullDisk) {
    const InstallEdition& english = *findEdition("english");
    const std::string settings = "[selected]\r\nFre_Eng.wb\r\n\r\n[language]\r\nFrench\r\n\r\n";
    test::writeBytes("dict.ini", settings);
    fullDiskAt("tmp.ini");
    LanguageEntry italian;
    italian.name = "Italian";
    italian.locale = "italian";
    italian.charset = "0";
    EXPECT_STREQ(addPairItem(english, italian), settings_error::kCantReplace);
    fullDiskAt("tmp.ini");  // the failed rewrite removed its temporary file
    EXPECT_STREQ(sortPairItems(english), settings_error::kCantReplace);
    EXPECT_EQ(test::readBytes("dict.ini"), settings);

    test::writeWordFile("from.wb", {{"arbre", "tree"}});
    test::writeWordFile("to.wb", {{"old", "vieux"}});
    const std::string oldTo = test::readBytes("to.wb");
    fullDiskAt("temp.wb");
    ReverseListResult reverse = buildReverseList({"from.wb", "to.wb", "temp.wb"});
    EXPECT_EQ(reverse.status, -1);
    EXPECT_EQ(reverse.error, reverse_error::kWriteErrorTemp);
    EXPECT_EQ(test::readBytes("to.wb"), oldTo);

    test::makeFolders("user");
    test::writeBytes("user\\settings.ini", "[Dictionary]\r\nStayOnTop=1\r\n");
    fullDiskAt("user\\tmp.ini");
    ProfileText profile;
    profile.set("Dictionary", "StayOnTop", "0");
    EXPECT_FALSE(writeProfileFile("user\\settings.ini", "user\\tmp.ini", profile));
    EXPECT_EQ(test::readBytes("user\\settings.ini"), "[Dictionary]\r\nStayOnTop=1\r\n");
}

}  // namespace
