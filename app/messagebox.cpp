// messagebox.cpp — message boxes, the fatal exit and the core's message sink.
#include "messagebox.h"

#include "toolwindow.h"
#include "uilanguage.h"
#include "widetext.h"
#include "wordstore.h"

namespace {
MessageBoxRecorder recorder = nullptr;
}

void setMessageBoxRecorder(MessageBoxRecorder r) { recorder = r; }

int showMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    if (recorder) return recorder(owner, text, caption, flags);
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

void exitWithMessage(HWND owner, const std::wstring& text, const std::wstring& caption) {
    showMessageBox(owner, text, caption, MB_OK | MB_ICONWARNING);
    closeWordFiles();
    ExitProcess(1);
}

void exitDictionaryMissing(HWND owner, const std::string& path) {
    exitWithMessage(owner, L"Can't open " + toWide(path, uiCodePage()) + L"   \n\nProgram aborted",
                    uiText(0));
}

void showCoreMessageBox(const CoreMessage& m) {
    std::wstring text = m.textOffset >= 0 ? uiText(m.textOffset) : toWide(m.text, uiCodePage());
    std::wstring caption =
        m.captionOffset >= 0 ? uiText(m.captionOffset) : toWide(m.caption, uiCodePage());
    UINT flags = MB_OK | (m.icon == MessageIcon::Warning ? MB_ICONWARNING : 0);
    showMessageBox(m.owner == MessageOwner::MainWindow ? mainWindow() : nullptr, text, caption,
                   flags);
}
