// driver.cpp — process start, window search and message boxes from outside.
#include "driver.h"

#include <vector>

namespace driver {

namespace {

struct Search {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    if (pid == s->pid && IsWindowVisible(window) && lstrcmpiW(cls, s->className) == 0) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findWindowOf(DWORD pid, const wchar_t* className) {
    Search s{pid, className, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

BOOL CALLBACK collectStatic(HWND child, LPARAM param) {
    auto* box = reinterpret_cast<MessageBoxSeen*>(param);
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Static") != 0) return TRUE;
    if (GetWindowLongW(child, GWL_STYLE) & SS_ICON) {
        box->hasIcon = box->hasIcon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
        return TRUE;
    }
    std::wstring text = windowText(child);
    if (text.size() > box->text.size()) box->text = text;
    return TRUE;
}

}  // namespace

std::wstring windowText(HWND window) {
    int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(window, &text[0], n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

std::wstring controlText(HWND control) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return std::wstring();
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

std::wstring binFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.rfind(L'\\') + 1);
}

Program start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder) {
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    Program program;
    if (CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &si, &pi)) {
        CloseHandle(pi.hThread);
        program.process = pi.hProcess;
        program.pid = pi.dwProcessId;
    }
    return program;
}

HWND waitForWindow(const Program& program, const wchar_t* className, int timeoutMs) {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        if (HWND w = findWindowOf(program.pid, className)) return w;
        if (WaitForSingleObject(program.process, 50) == WAIT_OBJECT_0)
            return findWindowOf(program.pid, className);
    }
    return nullptr;
}

bool waitForMessageBox(const Program& program, MessageBoxSeen& box, int timeoutMs) {
    box = MessageBoxSeen{};
    box.dialog = waitForWindow(program, L"#32770", timeoutMs);
    if (!box.dialog) return false;
    Sleep(100);  // let the box finish its layout
    box.caption = windowText(box.dialog);
    EnumChildWindows(box.dialog, collectStatic, reinterpret_cast<LPARAM>(&box));
    return true;
}

void press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

int waitForExit(Program& program, int timeoutMs) {
    if (!program.process) return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(program.process, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0) {
        GetExitCodeProcess(program.process, &code);
    } else {
        TerminateProcess(program.process, 99);
        WaitForSingleObject(program.process, 5000);
        code = static_cast<DWORD>(-1);
    }
    CloseHandle(program.process);
    program.process = nullptr;
    return static_cast<int>(code);
}

}  // namespace driver
