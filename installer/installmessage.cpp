// installmessage.cpp — message boxes in UTF-16 from the system code page.
#include "installmessage.h"

#include "widetext.h"

int showInstallMessage(HWND owner, const std::string& text, const std::string& caption,
                       UINT flags) {
    return MessageBoxW(owner, toWide(text, CP_ACP).c_str(), toWide(caption, CP_ACP).c_str(), flags);
}

void fatalReport(HWND owner, const std::string& text) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    showInstallMessage(owner, text, "Error", MB_OK | MB_ICONERROR);
    ExitProcess(1);
}
