// shortcut.cpp — the Start-menu shortcut: a shell link in the current
// user's Programs folder, in the script's group.
//
// The link is made through the wide interface (IShellLinkW): its paths are
// those of the file seam, so that a folder or program name of the edition's
// code page reaches the link whatever the system's code page.
#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <string>

#include "widepath.h"
#include "winplatform.h"

namespace {

// The Programs folder, or empty when the shell does not name one.
std::wstring programsFolder() {
    LPITEMIDLIST items = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, CSIDL_PROGRAMS, &items) != S_OK) return std::wstring();
    wchar_t path[MAX_PATH] = {};
    BOOL ok = SHGetPathFromIDListW(items, path);
    CoTaskMemFree(items);
    return ok ? std::wstring(path) : std::wstring();
}

// Programs folder + group (made when missing; without a group, or when it
// cannot be made, the Programs folder itself) + name + ".lnk".
std::wstring linkFile(const ShortcutSpec& shortcut) {
    std::wstring programs = programsFolder();
    if (programs.empty() || !SetCurrentDirectoryW(programs.c_str())) return std::wstring();
    const std::wstring group = widePath(shortcut.group);
    CreateDirectoryW(group.c_str(), nullptr);
    SetCurrentDirectoryW(group.c_str());
    wchar_t folder[MAX_PATH] = {};
    DWORD n = GetCurrentDirectoryW(MAX_PATH, folder);
    if (n == 0 || n >= MAX_PATH) return std::wstring();
    return std::wstring(folder) + L"\\" + widePath(shortcut.name + ".lnk");
}

}  // namespace

void createProgramsShortcut(const ShortcutSpec& shortcut) {
    std::wstring link = linkFile(shortcut);
    if (link.empty()) return;
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
        return;
    shellLink->SetPath(widePath(shortcut.target).c_str());
    // The arguments are the script's text, in the edition's code page as its paths are.
    shellLink->SetArguments(widePath(shortcut.arguments).c_str());
    shellLink->SetWorkingDirectory(widePath(shortcut.workingFolder).c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        file->Save(link.c_str(), TRUE);
        file->Release();
    }
    shellLink->Release();
}
