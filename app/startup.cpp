// startup.cpp — start-up in its fixed order, then the message loop.
#include "startup.h"

#include <commctrl.h>

#include <cstdlib>
#include <ctime>

#include "appsettings.h"
#include "catalogue.h"
#include "collation.h"
#include "commandline.h"
#include "controltable.h"
#include "fonts.h"
#include "languagemenu.h"
#include "listfolders.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "pairicons.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "uistrings.h"
#include "widetext.h"
#include "wordstore.h"

namespace {

std::string uiBytesLoader(int offset) { return uiBytes(offset); }

void loadCommonLibraries() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryW(L"RICHED32.DLL");  // kept for the whole run: printing lays out with it
}

// The selected pair's dictionary is missing: the first pair whose
// dictionary opens is taken instead, the user told and the choice recorded,
// so that one lost file never locks the user out. Without any, the end.
void goOnWithAnotherPair() {
    const std::string missing = dictionaryPath();
    LanguagePair* usable = catalogue.head;
    while (usable && !dictionaryOpens(*usable)) usable = usable->next;
    if (!usable) exitDictionaryMissing(mainWindow(), missing);
    showMessageBox(
        mainWindow(),
        fillPlaceholders(uiText(ui::kGoingOnWithPair),
                         {toWide(missing, uiCodePage()), toWide(usable->name, uiCodePage()),
                          toWide(usable->toName, uiCodePage())}),
        uiText(ui::kDictionary), MB_OK | MB_ICONWARNING);
    for (LanguagePair* p = catalogue.head; p; p = p->next) p->selected = p == usable ? 1 : 0;
    catalogue.currentPair = usable;
    selectPair();  // collation, the [selected] line, the word files
    if (!wordStore.dictionaryFile) exitDictionaryMissing(mainWindow(), dictionaryPath());
    loadPairIcons();
    InvalidateRect(mainWindow(), nullptr, FALSE);
}

}  // namespace

// Every message of the program is first offered to the accelerators, on
// behalf of the main window, so they act in tool windows too.
int runMessageLoop() {
    HACCEL accelerators =
        LoadAcceleratorsW(GetModuleHandleW(nullptr), resourceName("ACCEL").c_str());
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (accelerators && TranslateAcceleratorW(mainWindow(), accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool startProgram(const std::string& arguments, int showCommand, int& exitCode) {
    exitCode = 1;
    if (!readUiLanguage())
        exitWithMessage(
            nullptr,
            L"No valid language found in language.ini   \n\nTry installing the program again.",
            L"Error");
    setUiStringLoader(uiBytesLoader);
    setControlTextSource(uiText);
    setMessageSink(showCoreMessageBox);

    // A second instance ends at once, silently.
    if (FindWindowW(L"norva", uiText(ui::kProgramTitle).c_str())) return false;

    CommandLine commandLine = parseCommandLine(arguments);
    appSettings.recordMode = commandLine.recordMode ? 1 : 0;

    if (loadCatalogue() != 0)
        exitWithMessage(nullptr, uiText(ui::kSettingsFileMissing), uiText(ui::kDictionary));
    loadSelection();
    choosePairByPrefix(commandLine.pairPrefix);
    applyCollation(CollationOccasion::StartUp);
    createSharedFonts(uiLanguage.charset);

    if (!createMainWindow(showCommand)) return false;

    readPracticeListSettings();
    if (wordStore.currentListName[0] && !listExists()) {
        wordStore.currentListName[0] = '\0';
        practiceLists.listId = 400;
    }
    if (openDictionary() != 0) goOnWithAnotherPair();
    countRecords();

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    buildLanguageMenu();
    loadCommonLibraries();
    exitCode = 0;
    return true;
}

int runProgram(const std::string& arguments, int showCommand) {
    int exitCode = 0;
    if (!startProgram(arguments, showCommand, exitCode)) return exitCode;
    return runMessageLoop();
}
