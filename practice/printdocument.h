// printdocument.h — a laid-out print document handed to the printer page
// by page: through the rich-text control where it lays pages out, else
// through the program's own layout of the same text with GDI.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "printlayout.h"
#include "printpages.h"
#include "printtext.h"

struct PrintDocument {
    HWND control;      // the hidden rich-text document
    std::string text;  // its text, 8-bit, CR LF line ends
    std::vector<PrintRange> ranges;
    PrintRange defaultFormat;
};

enum class PrintResult { Printed, NotStarted };

// Prints the document on the printer of `dc` (from the print dialog) with
// the user's choices; the device context is deleted in every case.
// `toFile`: the system asks for a file to print into.
PrintResult printDocument(const PrintDocument& document, HDC dc, const PrintChoices& choices,
                          bool toFile);

// The character set a printer font is asked for: Latin-3 (500) has no
// Windows character set, its letters come as Unicode in a Western font.
BYTE printFontCharset(int charset);

// The document's text in UTF-16, each piece converted with the code page of
// its format's character set (one character for one byte).
std::wstring wideText(const std::string& text, const std::vector<FormatRun>& runs);
