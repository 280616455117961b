// folderchooser.cpp — the drive list, the folder list and the current folder.
#include "folderchooser.h"

#include <cwctype>
#include <string>
#include <vector>

#include "controls.h"

namespace {

std::wstring currentFolder() {
    DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring path(n, L'\0');
    n = GetCurrentDirectoryW(n, &path[0]);
    path.resize(n);
    return path;
}

void showCurrentFolder(HWND window) {
    SetDlgItemTextW(window, kFolderField, currentFolder().c_str());
}

std::wstring selectedText(HWND list) {
    LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return std::wstring();
    LRESULT n = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (n == LB_ERR) return std::wstring();
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(n == LB_ERR ? 0 : static_cast<size_t>(n));
    return text;
}

// Every visible folder of the current folder, "." and ".." included where
// the file system lists them (the list box sorts them).
void fillFolderList(HWND window, bool withDot) {
    HWND list = GetDlgItem(window, kFolderList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(L"*.*", &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) continue;
        if (!withDot && std::wstring(data.cFileName) == L".") continue;
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(data.cFileName));
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

void fillDriveList(HWND window) {
    HWND list = GetDlgItem(window, kDriveList);
    DWORD n = GetLogicalDriveStringsW(0, nullptr);
    std::vector<wchar_t> roots(n + 1, L'\0');
    GetLogicalDriveStringsW(n, roots.data());
    for (const wchar_t* root = roots.data(); *root; root += wcslen(root) + 1) {
        std::wstring name = root;
        name[0] = static_cast<wchar_t>(
            std::towlower(name[0]));  // "c:\", as the default folder is written
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

}  // namespace

void openFolderChooser(HWND window) {
    EnableWindow(GetDlgItem(window, kChangeFolderButton), FALSE);
    SetWindowPos(GetDlgItem(window, kPanel), nullptr, 0, 0, 440, 320,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int id : {kDriveList, kFolderList, kDriveLabel, kFolderListLabel})
        ShowWindow(GetDlgItem(window, id), SW_SHOW);
    fillDriveList(window);
    SetCurrentDirectoryW(L"c:\\");
    fillFolderList(window, true);
    showCurrentFolder(window);
}

void driveChosen(HWND window) {
    std::wstring drive = selectedText(GetDlgItem(window, kDriveList));
    if (!drive.empty()) SetCurrentDirectoryW(drive.c_str());
    fillFolderList(window, true);
    showCurrentFolder(window);
}

void folderChosen(HWND window) {
    std::wstring folder = selectedText(GetDlgItem(window, kFolderList));
    if (!folder.empty()) SetCurrentDirectoryW(folder.c_str());
    fillFolderList(window, false);
    showCurrentFolder(window);
}
