// shortcut.cpp — the Start-menu shortcut: a shell link in the current
// user's Programs folder, in the script's group.
#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <string>

#include "winplatform.h"

namespace {

// The Programs folder, or empty when the shell does not name one.
std::string programsFolder() {
    LPITEMIDLIST items = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, CSIDL_PROGRAMS, &items) != S_OK) return std::string();
    char path[MAX_PATH] = {};
    BOOL ok = SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
    return ok ? std::string(path) : std::string();
}

// Programs folder + group (made when missing; without a group, or when it
// cannot be made, the Programs folder itself) + name + ".lnk".
std::string linkFile(const ShortcutSpec& shortcut) {
    std::string programs = programsFolder();
    if (programs.empty() || !SetCurrentDirectoryA(programs.c_str())) return std::string();
    CreateDirectoryA(shortcut.group.c_str(), nullptr);
    SetCurrentDirectoryA(shortcut.group.c_str());
    char folder[MAX_PATH] = {};
    DWORD n = GetCurrentDirectoryA(MAX_PATH, folder);
    if (n == 0 || n >= MAX_PATH) return std::string();
    return std::string(folder) + "\\" + shortcut.name + ".lnk";
}

}  // namespace

void createProgramsShortcut(const ShortcutSpec& shortcut) {
    std::string link = linkFile(shortcut);
    if (link.empty()) return;
    IShellLinkA* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink))))
        return;
    shellLink->SetPath(shortcut.target.c_str());
    shellLink->SetArguments(shortcut.arguments.c_str());
    shellLink->SetWorkingDirectory(shortcut.workingFolder.c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = {};
        if (MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, path, MAX_PATH) > 0)
            file->Save(path, TRUE);
        file->Release();
    }
    shellLink->Release();
}
