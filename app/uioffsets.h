// uioffsets.h — every UI string by name: the offset of each entry within a
// UI language's block of the string table (id = string base + offset). The
// English texts are given for orientation; resources/lang/*.rc hold them all.
#pragma once

// The file and folder names, the locale and its message (offsets 1-5 and
// 12-14) are named where the word store asks for them.
#include "uistrings.h"

namespace ui {
enum Offset : int {
    kDictionary = 0,              // "Dictionary": the usual caption
    kProgramIconName = 6,         // "norvaicon"
    kDone = 7,                    // "Done"
    kCancel = 8,                  // "Cancel"
    kOk = 9,                      // "OK"
    kPaletteClassName = 10,       // "tekenset"
    kStayOnTop = 11,              // "Stay on top"
    kAviDelayKey = 15,            // "EnglishAviDelay": win.ini key of the About animation's pause
    kPracticeTitle = 16,          // "Practice words"
    kSlow = 17,                   // "Slow"
    kFast = 18,                   // "Fast"
    kFastLabelX = 19,             // "213": where the "Fast" label stands
    kEndOfList = 20,              // "You have reached the end of the List. "
    kPracticeList = 21,           // "Practice list"
    kListIsEmpty = 22,            // "is empty. ... Create new practice list?"
    kQuit = 23,                   // "Quit"
    kListEditorTitle = 24,        // "Create practice list"
    kAddAll = 25,                 // "Add all"
    kRemoveAll = 26,              // "Remove all"
    kAddRandom = 27,              // "Add random"
    kSearchLabel = 28,            // "Search"
    kAddWordsToList = 29,         // "Add words to the list"
    kClickToAdd = 30,             // "Click on a word to add it to the list"
    kClickToRemove = 31,          // "Click on a word to remove it from the list"
    kPracticeListHeading = 32,    // "Practice list"
    kDeleted = 33,                // "DELETED"
    kUpdateListTitle = 34,        // "Update list"
    kUpdatingList = 35,           // "Updating list\nOne moment please"
    kAddRandomTitle = 36,         // "Add random number of words"
    kDeleteOldList = 37,          // "Delete old list"
    kNumberOfWords = 38,          // "Number of words (max. "
    kPrint = 39,                  // "Print"
    kSendingToPrinter = 40,       // "Sending word list to printer"
    kWord = 41,                   // "Word"
    kCreateNewList = 42,          // "Create new list"
    kListName = 43,               // "List name : "
    kDeleteCurrentList = 44,      // "Delete current list"
    kDeleteList = 45,             // "Delete list"
    kLists = 46,                  // "Lists"
    kForbiddenCharacters = 47,    // "The characters / \ < > | . : ? * have special meaning..."
    kSureToDelete = 48,           // "Are you sure you want to delete"
    kQuestionMark = 49,           // "?"
    kKeepOneList = 50,            // "You should keep at least one list.   "
    kCannotDeleteFolder = 51,     // "Can't delete folder"
    kUiLanguageName = 52,         // "English": the UI language's own name
    kSettingsFile = 53,           // "dict.ini"
    kOn = 54,                     // "on"
    kOff = 55,                    // "off"
    kLanguageSection = 56,        // "[language]"
    kSelectedSection = 57,        // "[selected]"
    kLanguageSectionLength = 58,  // "10"
    kAddNewSection = 59,          // "[AddNew]"
    kSelectedSectionLength = 60,  // "8"
    kWriting = 61,                // "Writing"
    kReading = 62,                // "Reading"
    kSorting = 63,                // "Sorting"
    kAddWordsTitle = 64,          // "Add words"
    kConfirmWithEnter = 65,       // "CONFIRM ENTRIES WITH ENTER"
    kNoCommaAllowed = 66,         // "No comma allowed in this field"
    kAddWordsHelpKey = 67,        // "add words"
    kNewEntries = 68,             // "New entries"
    kReadError = 69,              // "Read error"
    kSortTitle = 70,              // "Sort"
    kBeingSorted = 71,            // "The words are being sorted\nOne moment please"
    kSortFailed = 72,             // "Sort failed  "
    kError = 73,                  // "Error"
    kProgramTitle = 74,           // "Dictionary": the main window's title
    kSettingsFileMissing = 75,    // "INI file not found, Program aborted. ..."
    kLanguageMenu = 76,           // "&Language"
    kAddWordsButton = 77,         // "Add words"
    kStartPractice = 78,          // "Start practice"
    kSearchButton = 79,           // "Search"
    kCreatePracticeList = 80,     // "Create practice list"
    kContactLine1 = 81,           // contact lines of the edition
    kContactLine2 = 82,
    kHelpFile = 83,           // "dict.hlp"
    kSearchTitle = 84,        // "Search words"
    kDeleteRecord = 85,       // "Delete record"
    kRestoreRecord = 86,      // "Restore record"
    kClipboardSearch = 87,    // "Automatic Clipboard search"
    kCopy = 88,               // "Copy"
    kPaste = 89,              // "Paste"
    kPlay = 90,               // "Play"
    kTextSearchTitle = 91,    // "Search words in textfile"
    kHelp = 92,               // "Help"
    kTextSearchHelpKey = 93,  // "Search words in textfile"
    kCharacterSetTitle = 94,  // "Character set"
    // Texts this program adds after the edition's own block.
    kPairDictionaryMissing = 95,  // "Can't open %s ... The language pair in use stays selected."
    kGoingOnWithPair = 96,        // "Can't open %s ... The program goes on with %s - %s."
    kTranslationTooLong = 97,     // a translation over 50 characters once normalised
    kTextTooLarge = 98,           // "This file is too large to be shown (more than %d MB).   "
    kListFolderNotMade = 99,      // "A folder for this list cannot be created." (new-list dialog)
    kTooManyLanguages = 100,      // "The settings file %s lists more than %d languages. ..."
};
}  // namespace ui
