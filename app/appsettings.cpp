// appsettings.cpp — the settings kept in section "Dictionary" (win.ini, or
// the per-user file where win.ini cannot be written: settingsstore.h).
#include "appsettings.h"

#include "listfolders.h"
#include "settingsstore.h"
#include "uilanguage.h"
#include "wordrecord.h"
#include "wordstore.h"

AppSettings appSettings;

namespace {

struct PositionKeys {
    const char* left;
    const char* top;
};
const PositionKeys kPositionKeys[] = {
    {"WinPosLeftMain", "WinPosTopMain"},           {"WinPosLeftPractise", "WinPosTopPractise"},
    {"WinPosLeftMakelist", "WinPosTopMakelist"},   {"WinPosLeftAdd", "WinPosTopAdd"},
    {"WinPosLeftTranslate", "WinPosTopTranslate"}, {"WinPosLeftSearch", "WinPosTopSearch"},
};

}  // namespace

int readIniInt(const char* key, int fallback) { return readSettingInt(key, fallback); }

void writeIniInt(const char* key, int value) { writeSettingInt(key, value); }

SavedPosition& savedPosition(PositionKind kind) {
    return appSettings.positions[static_cast<int>(kind)];
}

void readPracticeListSettings() {
    copyField(wordStore.currentListName, sizeof wordStore.currentListName,
              readSettingString("PracticeList", "").c_str());
    practiceLists.listId = readIniInt("ListID", 400);
}

void readWindowSettings() {
    appSettings.aviDelay = readIniInt(uiBytes(15).c_str(), 0);
    appSettings.stayOnTop = readIniInt("StayOnTop", 0);
    for (int k = 0; k < static_cast<int>(PositionKind::Count); ++k) {
        appSettings.positions[k].left = readIniInt(kPositionKeys[k].left, kNoSavedPosition);
        appSettings.positions[k].top = readIniInt(kPositionKeys[k].top, kNoSavedPosition);
    }
    appSettings.clipSearch = readIniInt("ClipSearch", 0);
}

void writeExitSettings() {
    writeIniInt("StayOnTop", appSettings.stayOnTop);
    for (int k = 0; k < static_cast<int>(PositionKind::Count); ++k) {
        const SavedPosition& p = appSettings.positions[k];
        if (p.top == kNoSavedPosition) continue;
        writeIniInt(kPositionKeys[k].left, p.left);
        writeIniInt(kPositionKeys[k].top, p.top);
    }
    writeIniInt("ClipSearch", appSettings.clipSearch);
    if (wordStore.currentListName[0]) {
        writeSettingString("PracticeList", wordStore.currentListName);
        writeIniInt("ListID", practiceLists.listId);
    }
}
