// installation.cpp — the script's commands carried out, then the word lists,
// the settings sort and the shortcut.
#include "installation.h"

#include <lzexpand.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "edition.h"
#include "files.h"

namespace {

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

std::string currentFolder() {
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

// A file stored in the LZ library's compressed format is expanded; any
// other file is copied unchanged.
void copyExpanding(const std::string& source, const std::string& target) {
    OFSTRUCT in = {}, out = {};
    INT from = LZOpenFileA(const_cast<char*>(source.c_str()), &in, OF_READ);
    INT to = LZOpenFileA(const_cast<char*>(target.c_str()), &out, OF_CREATE);
    if (from >= 0 && to >= 0) LZCopy(from, to);
    if (from >= 0) LZClose(from);
    if (to >= 0) LZClose(to);
}

// Every file (not folder) of `folder` matching `pattern` copied into `target`.
void copyMatching(const std::string& folder, const std::string& pattern, const std::string& target,
                  InstallReport& report) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::string to = target + data.cFileName;
        report.copying(to);
        CopyFileA((folder + data.cFileName).c_str(), to.c_str(), FALSE);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

struct Shortcut {
    bool make = false;
    std::string name, group, target;
};

// The link in the Start menu's Programs folder (and its group), starting the
// program in the installation folder with the script's arguments.
void createShortcut(const Shortcut& s, const std::string& folder, const std::string& arguments) {
    char programs[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, programs, CSIDL_PROGRAMS, TRUE)) return;
    std::string groupFolder = std::string(programs) + "\\" + s.group;
    CreateDirectoryA(groupFolder.c_str(), nullptr);
    std::string linkFile = groupFolder + "\\" + s.name + ".lnk";
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return;
    link->SetPath((folder + s.target).c_str());
    link->SetArguments(arguments.c_str());
    link->SetWorkingDirectory(folder.c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, path, MAX_PATH);
        file->Save(path, TRUE);
        file->Release();
    }
    link->Release();
}

}  // namespace

bool loadInstallScript(InstallOptions& options) {
    options.sourceFolder = withSlash(currentFolder());
    FILE* f = openFile(options.sourceFolder + "install.inf", "rb");
    if (!f) {
        if (options.quiet) {
            std::fprintf(stderr, "Can't open INSTALL.INF\n");
            return false;
        }
        exitWithError(nullptr, "Can't open INSTALL.INF");
    }
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) options.script.append(buffer, got);
    std::fclose(f);
    options.settings = readScriptSettings(options.script);
    return true;
}

bool prepareFolder(const std::string& folder) {
    return folderExists(folder) || CreateDirectoryA(folder.c_str(), nullptr) != 0;
}

bool runInstallation(InstallOptions& options, const std::string& target, InstallReport& report,
                     std::string& error) {
    const std::string folder = withSlash(target);
    const std::string& source = options.sourceFolder;
    const Edition& edition = installerEdition();
    Shortcut shortcut;
    bool buildLists = false;
    for (const ScriptStep& step : readScriptCommands(options.script)) {
        switch (step.command) {
            case ScriptCommand::MkDir: CreateDirectoryA((folder + step.value).c_str(), nullptr); break;
            case ScriptCommand::IconName:
                shortcut.make = true;
                shortcut.name = step.value;
                break;
            case ScriptCommand::AviDelay:
                WriteProfileStringA("Dictionary", edition.aviDelayKey, step.value.c_str());
                break;
            case ScriptCommand::IconGroup: shortcut.group = step.value; break;
            case ScriptCommand::IconExe: shortcut.target = step.value; break;
            case ScriptCommand::Display: break;  // the closing text of the window mode
            case ScriptCommand::MkWList: buildLists = true; break;
            case ScriptCommand::Copy:
                report.copying(folder + step.words[1]);
                copyExpanding(source + step.words[0], folder + step.words[1]);
                break;
            case ScriptCommand::XCopy:
                copyMatching(source, step.words[0], folder + step.words[1] + "\\", report);
                break;
            case ScriptCommand::SndCopy:
                copyMatching(source + step.words[0] + "\\", "*.*", folder + step.words[1] + "\\", report);
                break;
        }
    }
    SetCurrentDirectoryA(folder.c_str());
    if (buildLists && !processLanguageList(edition, report, error)) return false;
    if (countPairItems(edition.settingsFile) > 1 && !sortPairItems(edition.settingsFile, error))
        return false;
    if (shortcut.make) createShortcut(shortcut, folder, options.settings.shortcutArguments);
    return true;
}

int installQuietly(InstallOptions& options) {
    // Failures go to install.log in the installation folder (else the
    // temporary folder) and to the console of whoever started the installer.
    auto fail = [&](const std::string& folder, const std::string& text) {
        std::string log = withSlash(folder) + "install.log";
        std::ofstream out(log, std::ios::binary);
        if (!out) {
            char temp[MAX_PATH] = {};
            GetTempPathA(MAX_PATH, temp);
            out.open(withSlash(temp) + "install.log", std::ios::binary);
        }
        out << text << "\r\n";
        if (AttachConsole(ATTACH_PARENT_PROCESS)) {
            DWORD written = 0;
            std::string line = "install: " + text + "\r\n";
            WriteFile(GetStdHandle(STD_ERROR_HANDLE), line.data(), static_cast<DWORD>(line.size()),
                      &written, nullptr);
        }
        return 1;
    };
    std::string folder;
    int n = WideCharToMultiByte(CP_ACP, 0, options.folder.c_str(), -1, nullptr, 0, nullptr, nullptr);
    folder.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    WideCharToMultiByte(CP_ACP, 0, options.folder.c_str(), -1, &folder[0], n, nullptr, nullptr);
    if (folder.empty() || !prepareFolder(folder)) return fail(currentFolder(), "Invalid Directory");
    CoInitialize(nullptr);
    InstallReport silent;
    std::string error;
    bool done = runInstallation(options, folder, silent, error);
    CoUninitialize();
    return done ? 0 : fail(folder, error);
}
