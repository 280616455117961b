// printlist.cpp — Print in the list editor: the printing popup, the print
// file, the hidden rich-text document with its formats, the print dialog
// with the settings kept for the run, and the printout.
#include "printlist.h"

#include <commdlg.h>
#include <richedit.h>
#include <share.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "files.h"
#include "ids.h"
#include "languagepair.h"
#include "messagebox.h"
#include "printdocument.h"
#include "printtext.h"
#include "progresswindow.h"
#include "toolwindow.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "wordstore.h"

namespace {

constexpr const char* kPrintFile = "list.prt";

// What the print dialog was last left with, offered again at the next
// print until the program ends (never saved). The dialog offers no Help
// button (there is no help behind it) and no "Selection": the document's
// selection is only the range formatted last, the last translation, so
// choosing it would print that alone.
struct PrintSettings {
    HGLOBAL devMode = nullptr, devNames = nullptr;  // the printer and its device settings
    DWORD flags = PD_RETURNDC | PD_NOSELECTION;
    WORD fromPage = 65535, toPage = 65535;  // no range
    WORD copies = 1;
};
PrintSettings printSettings;
constexpr WORD kMinPage = 0, kMaxPage = 65535;

bool printing = false;  // Print is not taken again while a printout is made

HWND createPrintDocument(HWND editor) {
    return CreateWindowExW(0, L"RICHEDIT", L"", WS_CHILD | ES_MULTILINE | ES_NOHIDESEL, 0, 0, 0, 0,
                           editor, reinterpret_cast<HMENU>(IDC_PRINT_DOCUMENT),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND openPrintingPopup() {
    return openProgressPopup(
        {L"printing",
         uiText(ui::kPrint),
         300,
         110,
         {},
         {{uiText(ui::kSendingToPrinter), {25, 20, 350, 40}, DT_WORDBREAK | DT_NOPREFIX}},
         {25, 50, 350, 70}});
}

CHARFORMATW courierFormat(int charset, bool bold) {
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_CHARSET | CFM_COLOR | CFM_BOLD;
    format.dwEffects = CFE_AUTOCOLOR | (bold ? CFE_BOLD : 0);
    format.bCharSet = printFontCharset(charset);
    lstrcpynW(format.szFaceName, L"Courier New", LF_FACESIZE);
    return format;
}

void setDefaultFormat(HWND document, const PrintList& list) {
    CHARFORMATW format = courierFormat(list.headwordCharset, false);
    format.dwMask |= CFM_ITALIC | CFM_UNDERLINE;  // neither italic nor underlined; size as it is
    SendMessageW(document, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

// The print file read back whole, opened for this reader alone; empty when
// it cannot be read.
std::string readPrintFile() {
    std::string bytes;
    FILE* file = _fsopen(kPrintFile, "rb", _SH_DENYRW);
    if (!file) return bytes;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
    std::fclose(file);
    return bytes;
}

struct StreamSource {
    const std::wstring* text;
    size_t at;
};

DWORD CALLBACK streamReader(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const size_t left = (source->text->size() - source->at) * sizeof(wchar_t);
    const size_t n = std::min(left, static_cast<size_t>(wanted)) / sizeof(wchar_t);
    std::memcpy(buffer, source->text->data() + source->at, n * sizeof(wchar_t));
    source->at += n;
    *given = static_cast<LONG>(n * sizeof(wchar_t));
    return 0;
}

// The text goes in as UTF-16, each column converted with its language's
// code page, so that the letters print right whatever the system's code
// page (the positions stay those of the bytes: one character each).
void streamIn(HWND document, const std::string& text, const std::vector<PrintRange>& ranges,
              const PrintRange& plain) {
    const PrintedLine whole{0, static_cast<int32_t>(text.size())};
    const std::wstring wide = wideText(text, runsOfLine(whole, ranges, plain));
    StreamSource source{&wide, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, streamReader};
    SendMessageW(document, EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
    SendMessageW(document, EM_SETMODIFY, FALSE, 0);
}

void applyRange(HWND document, const PrintRange& range) {
    CHARRANGE selection{range.start, range.end};
    SendMessageW(document, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    CHARFORMATW format = courierFormat(range.charset, range.bold);
    SendMessageW(document, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

// Gives the ranges their formats, telling the popup every ten records.
std::vector<PrintRange> formatPrintText(HWND document, HWND popup, const PrintList& list) {
    std::vector<PrintRange> ranges = printTextRanges(list, [popup](int32_t i) {
        drawProgressCounter(popup, uiText(ui::kWord) + L" " + std::to_wstring(i));
    });
    for (const PrintRange& range : ranges) applyRange(document, range);
    return ranges;
}

// The dialog shows the copies of the printer's device settings when it has
// them: the copies kept for the run go there.
void offerCopies(HGLOBAL devMode, WORD copies, bool collate) {
    auto* mode = devMode ? static_cast<DEVMODEW*>(GlobalLock(devMode)) : nullptr;
    if (!mode) return;
    mode->dmCopies = static_cast<short>(copies);
    mode->dmCollate = collate ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
    GlobalUnlock(devMode);
}

// The program makes the copies itself: the printer is asked for one of
// each page, whatever its device settings say.
void oneCopyFromThePrinter(HGLOBAL devMode, HDC dc) {
    auto* mode = devMode ? static_cast<DEVMODEW*>(GlobalLock(devMode)) : nullptr;
    if (!mode) return;
    if ((mode->dmFields & DM_COPIES) && mode->dmCopies != 1) {
        mode->dmCopies = 1;
        ResetDCW(dc, mode);
    }
    GlobalUnlock(devMode);
}

// The print dialog owned by the main window, filled from the settings.
// The printer's device context, or null after Cancel; the choices made are
// kept for the next print.
HDC choosePrinter(PrintChoices& choices, bool& toFile) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = mainWindow();
    dialog.hDevMode = printSettings.devMode;
    dialog.hDevNames = printSettings.devNames;
    dialog.Flags = printSettings.flags;
    dialog.nFromPage = printSettings.fromPage;
    dialog.nToPage = printSettings.toPage;
    dialog.nMinPage = kMinPage;
    dialog.nMaxPage = kMaxPage;
    dialog.nCopies = printSettings.copies;
    offerCopies(printSettings.devMode, printSettings.copies,
                (printSettings.flags & PD_COLLATE) != 0);
    const bool chosen = PrintDlgW(&dialog) != FALSE;
    // The dialog may have replaced the handles it was given, also when cancelled.
    printSettings.devMode = dialog.hDevMode;
    printSettings.devNames = dialog.hDevNames;
    if (!chosen) return nullptr;
    printSettings.flags = (dialog.Flags | PD_RETURNDC | PD_NOSELECTION) & ~PD_SELECTION;
    printSettings.fromPage = dialog.nFromPage;
    printSettings.toPage = dialog.nToPage;
    printSettings.copies = dialog.nCopies;
    choices.copies = dialog.nCopies;
    choices.collate = (dialog.Flags & PD_COLLATE) != 0;
    choices.pageRange = (dialog.Flags & PD_PAGENUMS) != 0;
    choices.fromPage = dialog.nFromPage;
    choices.toPage = dialog.nToPage;
    toFile = (dialog.Flags & PD_PRINTTOFILE) != 0;
    if (dialog.hDC) oneCopyFromThePrinter(dialog.hDevMode, dialog.hDC);
    return dialog.hDC;
}

void printInDialog(HWND editor, const PrintDocument& document) {
    PrintChoices choices;
    bool toFile = false;
    HDC dc = choosePrinter(choices, toFile);
    if (!dc) return;
    if (printDocument(document, dc, choices, toFile) == PrintResult::NotStarted)
        showMessageBox(editor, L"An error occured while trying to print.", uiText(ui::kPrint),
                       MB_OK | MB_ICONWARNING);
}

}  // namespace

void printList(HWND editor) {
    if (printing || wordStore.listCount <= 0 || !currentPair()) return;
    printing = true;
    // The editor takes no clicks while the dialog and the printout hold it:
    // the document is its child and must outlive them.
    EnableWindow(editor, FALSE);
    HWND document = createPrintDocument(editor);
    HWND popup = openPrintingPopup();

    const PrintList list = readPrintList(*currentPair());
    const std::string fileText = printFileText(list);
    // The list is printed also when the print file cannot be written (a
    // read-only folder): from the text in memory.
    std::string documentText = printDocumentText(fileText);
    if (writePrintFile(kPrintFile, fileText)) {
        std::string readBack = readPrintFile();
        if (!readBack.empty())
            documentText = readBack.size() > static_cast<size_t>(kPrintTextLimit)
                               ? readBack.substr(0, kPrintTextLimit)
                               : readBack;
    }
    removeFile(kPrintFile);

    setDefaultFormat(document, list);
    SendMessageW(document, EM_EXLIMITTEXT, 0, kPrintTextLimit);
    const PrintRange plain = defaultPrintFormat(list);
    const std::vector<PrintRange> allRanges = printTextRanges(list);
    streamIn(document, documentText, allRanges, plain);
    const std::vector<PrintRange> ranges = formatPrintText(document, popup, list);
    closeProgressPopup(popup);

    printInDialog(editor, {document, documentText, ranges, plain});
    if (document) DestroyWindow(document);
    EnableWindow(editor, TRUE);
    printing = false;
}
