// languagemenu.cpp — the Language menu and the choice of a pair.
#include "languagemenu.h"

#include <string>

#include "catalogue.h"
#include "ids.h"
#include "messagebox.h"
#include "pairicons.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "wordstore.h"

namespace {

constexpr int kLanguageMenuPosition = 1;  // after "File"
int checkedMenuId = 0;                    // the item with the check mark, 0 for none

void moveCheckTo(int menuId) {
    HMENU languages = languageMenu();
    if (checkedMenuId) CheckMenuItem(languages, checkedMenuId, MF_BYCOMMAND | MF_UNCHECKED);
    checkedMenuId = menuId;
    if (menuId) CheckMenuItem(languages, menuId, MF_BYCOMMAND | MF_CHECKED);
}

// The pair becomes current: recorded in the settings file, its word files
// open, its icons shown. A pair whose dictionary cannot be opened is not
// chosen: the user is told, and the pair in use stays, with its files and
// the settings file as they were.
bool makeCurrent(LanguagePair* pair, HWND asking) {
    if (!dictionaryOpens(*pair)) {
        std::wstring path = toWide(dictionaryPathOf(*pair), uiCodePage());
        showMessageBox(asking, fillPlaceholders(uiText(ui::kPairDictionaryMissing), {path}),
                       uiText(ui::kDictionary), MB_OK | MB_ICONWARNING);
        return false;
    }
    moveCheckTo(pair->menuId);
    catalogue.currentPair = pair;
    selectPair();
    if (!wordStore.dictionaryFile) exitDictionaryMissing(mainWindow(), dictionaryPath());
    loadPairIcons();
    InvalidateRect(mainWindow(), nullptr, FALSE);
    return true;
}

}  // namespace

void buildLanguageMenu() {
    checkedMenuId = 0;
    HMENU popup = CreatePopupMenu();
    int k = 0;
    for (LanguagePair* p = catalogue.head; p; p = p->next, ++k) {
        if (k == catalogue.size / 2 && k > 0) AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        p->menuId = IDM_FIRST_PAIR + k;
        std::wstring text = toWide(p->name, uiCodePage()) + L"\t" + toWide(p->toName, uiCodePage());
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(p->menuId), text.c_str());
    }
    InsertMenuW(GetMenu(mainWindow()), kLanguageMenuPosition, MF_BYPOSITION | MF_POPUP,
                reinterpret_cast<UINT_PTR>(popup), uiText(ui::kLanguageMenu).c_str());
    for (LanguagePair* p = catalogue.head; p; p = p->next) {
        if (p->selected == 1) {
            moveCheckTo(p->menuId);
            break;
        }
    }
    DrawMenuBar(mainWindow());
}

HMENU languageMenu() { return GetSubMenu(GetMenu(mainWindow()), kLanguageMenuPosition); }

// Screen coordinates may be negative on a monitor left of or above the
// primary one.
int popUpLanguageMenu(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    return TrackPopupMenu(languageMenu(), TPM_RETURNCMD | TPM_LEFTALIGN, p.x, p.y, 0, window,
                          nullptr);
}

bool isPairCommand(int id) { return id >= IDM_FIRST_PAIR && id < IDM_FIRST_PAIR + catalogue.size; }

bool choosePairByMenuId(int menuId, HWND asking) {
    for (LanguagePair* p = catalogue.head; p; p = p->next)
        if (p->menuId == menuId) return makeCurrent(p, asking);
    return false;
}

// Every entry has its partner in the catalogue: the other direction.
bool swapDirection() {
    const LanguagePair* now = currentPair();
    LanguagePair* other = now ? otherDirectionOf(*now) : nullptr;
    return other && makeCurrent(other, mainWindow());
}
