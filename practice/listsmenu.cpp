// listsmenu.cpp — creating, deleting and choosing practice lists from the
// list editor's menus.
#include "listsmenu.h"

#include <string>
#include <vector>

#include "ids.h"
#include "listfolders.h"
#include "listname.h"
#include "messagebox.h"
#include "newlistdialog.h"
#include "practicelists.h"
#include "textcase.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "wordrecord.h"
#include "wordstore.h"

namespace {

HMENU listsMenu = nullptr;

// List names are folder names: text of the UI edition's code page, as every
// path of the program.
std::wstring shownName(const std::string& name) { return toWide(name, uiCodePage()); }

std::string itemName(int command) {
    wchar_t text[kListNameChars + 1] = {};
    if (!listsMenu ||
        GetMenuStringW(listsMenu, command, text, kListNameChars + 1, MF_BYCOMMAND) <= 0)
        return {};
    return toBytes(text, uiCodePage());
}

// The command of the item whose name equals `name` ignoring case, or 0.
int itemNamed(const std::string& name) {
    const int items = listsMenu ? GetMenuItemCount(listsMenu) : 0;
    for (int k = 0; k < items; ++k) {
        const int command = static_cast<int>(GetMenuItemID(listsMenu, k));
        if (equalsIgnoringCase(itemName(command), name)) return command;
    }
    return 0;
}

void moveCheckTo(int command) {
    CheckMenuItem(listsMenu, static_cast<UINT>(practiceLists.listId), MF_BYCOMMAND | MF_UNCHECKED);
    CheckMenuItem(listsMenu, static_cast<UINT>(command), MF_BYCOMMAND | MF_CHECKED);
    practiceLists.listId = command;
}

void makeCurrent(const std::string& name) {
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, name);
    closeListFile();
    openPracticeList();
    countListRecords();
}

void removeListsMenu(HWND editor) {
    if (!listsMenu) return;
    DeleteMenu(GetMenu(editor), 1, MF_BYPOSITION);  // destroys the popup with it
    DrawMenuBar(editor);
    listsMenu = nullptr;
}

}  // namespace

void buildListsMenu(HWND editor) {
    listsMenu = CreatePopupMenu();
    const std::vector<std::string> names = listFolderNames();
    int current = 0;
    for (size_t k = 0; k < names.size(); ++k) {
        const int command = IDM_FIRST_LIST + static_cast<int>(k);
        AppendMenuW(listsMenu, MF_STRING, command, shownName(names[k]).c_str());
        if (!current && equalsIgnoringCase(names[k], wordStore.currentListName)) current = command;
    }
    InsertMenuW(GetMenu(editor), 1, MF_BYPOSITION | MF_POPUP | MF_STRING,
                reinterpret_cast<UINT_PTR>(listsMenu), uiText(ui::kLists).c_str());
    DrawMenuBar(editor);
    if (current) moveCheckTo(current);
}

void forgetListsMenu() { listsMenu = nullptr; }

bool isListCommand(int command) {
    return command >= IDM_FIRST_LIST && command < IDM_FIRST_LIST + practiceLists.listFolderCount;
}

bool createNewList(HWND editor, LeavingList leaving) {
    const std::string remembered = wordStore.currentListName;
    std::string name;
    if (!runNewListDialog(editor, name) || equalsIgnoringCase(name, remembered)) return false;
    leaving();
    // A name of a list the menu holds already: that list, under its own
    // name, without a second item.
    int command = itemNamed(name);
    if (command) {
        name = itemName(command);
    } else {
        command = IDM_FIRST_LIST + practiceLists.listFolderCount;
        AppendMenuW(listsMenu, MF_STRING, command, shownName(name).c_str());
        ++practiceLists.listFolderCount;
    }
    makeCurrent(name);
    moveCheckTo(command);
    return true;
}

bool deleteList(HWND editor) {
    // Folders beginning with "." count as folders but are no lists: the
    // last list is kept whatever else the list root holds.
    if (practiceLists.listFolderCount <= 1 || listFolderNames().size() <= 1) {
        showMessageBox(editor, uiText(ui::kKeepOneList), uiText(ui::kDeleteList), MB_OK);
        return false;
    }
    const std::string name = wordStore.currentListName;
    const std::wstring question =
        uiText(ui::kSureToDelete) + L" " + shownName(name) + uiText(ui::kQuestionMark);
    if (showMessageBox(editor, question, uiText(ui::kDeleteList), MB_YESNO | MB_ICONWARNING) !=
        IDYES)
        return false;
    const ListDeletion deletion = deleteCurrentListFolder();
    if (deletion == ListDeletion::NoList) return false;
    if (deletion == ListDeletion::FolderKept)
        showMessageBox(editor, uiText(ui::kCannotDeleteFolder) + L" " + shownName(name),
                       uiText(ui::kDeleteList), MB_OK);
    removeListsMenu(editor);
    // Rebuilt even when no folder is left (only others' doings can bring
    // that about), so that a list created next has a menu to go to.
    countListFolders();
    buildListsMenu(editor);
    if (chooseFirstList()) moveCheckTo(IDM_FIRST_LIST);
    openPracticeList();
    countListRecords();
    return true;
}

bool chooseList(int command, LeavingList leaving) {
    const std::string name = itemName(command);
    if (!isListCommand(command) || name.empty()) return false;
    leaving();
    moveCheckTo(command);
    makeCurrent(name);
    return true;
}
