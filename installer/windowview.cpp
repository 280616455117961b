// windowview.cpp — controls, cursor and message boxes during the installation.
#include "windowview.h"

#include "controls.h"
#include "installmessage.h"
#include "widepath.h"

void WindowView::show(int id, bool visible) {
    ShowWindow(GetDlgItem(window_, id), visible ? SW_SHOW : SW_HIDE);
}

// The window processes no messages while it installs: it is repainted here,
// where it asks for it.
void WindowView::repaint() {
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void WindowView::copyingStarted() {
    SetWindowPos(GetDlgItem(window_, kPanel), nullptr, 0, 0, 440, 110,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int id : {kDriveList, kFolderList, kDriveLabel, kFolderListLabel, kStartButton,
                   kChangeFolderButton})
        show(id, false);
    SetDlgItemTextW(window_, kFolderLabel, L"Copying files...");
    repaint();
}

void WindowView::showTarget(const FilePath& path) {
    HWND field = GetDlgItem(window_, kFolderField);
    SetWindowTextW(field, widePath(path).c_str());
    RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void WindowView::copyingDone() {
    for (int id : {kStopButton, kFolderLabel, kPanel, kFolderField}) show(id, false);
    repaint();
}

void WindowView::localeWarning() {
    showInstallMessage(nullptr, kLocaleWarning, "Install", MB_OK | MB_ICONWARNING);
}

void WindowView::settingsFileStep() { painter_.skipStatusRow(); }

void WindowView::pairStarted(const std::string& name) {
    painter_.pairTitle(name);
    savedCursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void WindowView::pairFinished(const std::string& closingText) {
    SetCursor(savedCursor_ ? savedCursor_ : LoadCursor(nullptr, IDC_ARROW));
    showInstallMessage(window_, closingText, "Install", MB_OK);
}
