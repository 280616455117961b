// newlistdialog.cpp — asking for a new list's name: empty names are not
// taken, names with characters the file system reserves are refused with a
// message, and an accepted name gets its folder before the dialog closes.
#include "newlistdialog.h"

#include "ids.h"
#include "listeditor.h"
#include "listname.h"
#include "messagebox.h"
#include "practicelists.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"
#include "windowtext.h"
#include "wordrecord.h"
#include "wordstore.h"

namespace {

// The accepted name, or empty when the dialog stays open.
std::string acceptedName(HWND dialog) {
    std::wstring text = windowText(GetDlgItem(dialog, IDC_SEARCH_FIELD)).substr(0, kListNameChars);
    bool lossless = true;
    // A list name names a folder: text of the UI edition's code page, as
    // every path of the program.
    std::string name = toBytes(text, uiCodePage(), &lossless);
    ListNameCheck check = checkListName(name);
    if (check == ListNameCheck::Empty) return {};
    // A letter the code page lacks would reach the file system as
    // "?": refused like the characters it may not hold.
    if (check == ListNameCheck::Forbidden || !lossless) {
        showMessageBox(dialog, uiText(ui::kForbiddenCharacters), uiText(ui::kCreateNewList),
                       MB_OK | MB_ICONWARNING);
        return {};
    }
    if (!makeListFolder(name)) {
        showMessageBox(dialog, uiText(ui::kListFolderNotMade), uiText(ui::kCreateNewList),
                       MB_OK | MB_ICONWARNING);
        return {};
    }
    return name;
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            SetFocus(GetDlgItem(dialog, IDC_SEARCH_FIELD));
            return FALSE;  // the focus is set
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                std::string name = acceptedName(dialog);
                if (name.empty()) return TRUE;
                *reinterpret_cast<std::string*>(GetWindowLongPtrW(dialog, DWLP_USER)) = name;
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace

bool runNewListDialog(HWND owner, std::string& name) {
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), resourceName("LISTDIALOG").c_str(),
                                     owner, dialogProc, reinterpret_cast<LPARAM>(&name));
    return result == IDOK;
}

bool askForNewList(HWND owner) {
    std::string name;
    if (!runNewListDialog(owner, name)) return false;
    copyField(wordStore.currentListName, sizeof wordStore.currentListName, name);
    closeListFile();
    openPracticeList();
    countListRecords();
    return true;
}
