// installmessage.cpp — message boxes in UTF-16 from the edition's code page.
#include "installmessage.h"

#include "codepage.h"
#include "edition.h"
#include "widetext.h"

std::wstring installText(const std::string& text) {
    return toWide(codePageToUtf8(text, installEdition().codePage), CP_UTF8);
}

int showInstallMessage(HWND owner, const std::string& text, const std::string& caption,
                       UINT flags) {
    return MessageBoxW(owner, installText(text).c_str(), installText(caption).c_str(), flags);
}

void fatalReport(HWND owner, const std::string& text) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    showInstallMessage(owner, text, "Error", MB_OK | MB_ICONERROR);
    ExitProcess(1);
}
