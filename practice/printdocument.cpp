// printdocument.cpp — the print job: document name, page rectangle, the
// pages through the rich-text control or through GDI, copies and ranges.
#include "printdocument.h"

#include <commdlg.h>
#include <richedit.h>

#include <map>
#include <utility>

#include "widetext.h"

namespace {

// The points of the document's characters in twips: the control's default
// size, which the program leaves as it is; 10 points if it tells none.
int defaultSizeTwips(HWND control) {
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    SendMessageW(control, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    return (format.dwMask & CFM_SIZE) && format.yHeight > 0 ? format.yHeight : 200;
}

// Pages laid out and drawn by the rich-text control.
class RichEditPages : public PageSource {
   public:
    RichEditPages(HWND control, HDC dc, const PrintPage& page, int32_t end) : control_(control) {
        range_.hdc = range_.hdcTarget = dc;
        range_.rcPage = {0, 0, page.width, page.height};
        rect_ = {page.printRect.left, page.printRect.top, page.printRect.right,
                 page.printRect.bottom};
        range_.chrg.cpMax = end;
    }
    ~RichEditPages() override {
        SendMessageW(control_, EM_FORMATRANGE, FALSE, 0);  // the control's cached layout
    }
    int32_t measurePage(int32_t start) override {
        range_.rc = rect_;  // the print rectangle again: a layout shrinks it to what it used
        range_.chrg.cpMin = start;
        return static_cast<int32_t>(
            SendMessageW(control_, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range_)));
    }
    bool printPage(int32_t, int32_t) override {
        if (StartPage(range_.hdc) <= 0) return false;
        SendMessageW(control_, EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(&range_.rc));
        return EndPage(range_.hdc) > 0;
    }

   private:
    HWND control_;
    FORMATRANGE range_{};
    RECT rect_;
};

// Pages laid out by the program: Courier New at the document's size, each
// run in the font of its character set and weight, line by line in the
// print rectangle.
class GdiPages : public PageSource {
   public:
    GdiPages(const PrintDocument& document, HDC dc, const PrintPage& page, int sizeTwips)
        : document_(document), dc_(dc) {
        dpiX_ = GetDeviceCaps(dc, LOGPIXELSX);
        dpiY_ = GetDeviceCaps(dc, LOGPIXELSY);
        height_ = -scaleRounded(sizeTwips, dpiY_, 1440);
        left_ = scaleRounded(page.printRect.left, dpiX_, 1440);
        top_ = scaleRounded(page.printRect.top, dpiY_, 1440);
        const int32_t width = scaleRounded(page.printRect.right, dpiX_, 1440) - left_;
        const int32_t height = scaleRounded(page.printRect.bottom, dpiY_, 1440) - top_;
        HGDIOBJ old = SelectObject(dc, font(document.defaultFormat.charset, false));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SIZE cell{};
        GetTextExtentPoint32W(dc, L"0", 1, &cell);
        SelectObject(dc, old);
        cellWidth_ =
            cell.cx > 0 ? cell.cx : (metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 1);
        lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
        if (lineHeight_ <= 0) lineHeight_ = 1;
        layout_ = PrintLayout(document.text, width / cellWidth_, height / lineHeight_);
    }
    ~GdiPages() override {
        for (auto& f : fonts_) DeleteObject(f.second);
    }
    int32_t measurePage(int32_t start) override { return layout_.nextPage(start); }
    bool printPage(int32_t start, int32_t) override {
        if (StartPage(dc_) <= 0) return false;
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
        SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        HGDIOBJ old = GetCurrentObject(dc_, OBJ_FONT);
        int32_t y = top_;
        for (const PrintedLine& line : layout_.pageLines(start)) {
            for (const FormatRun& run :
                 runsOfLine(line, document_.ranges, document_.defaultFormat)) {
                const std::wstring text = wideText(document_.text, {run});
                SelectObject(dc_, font(run.charset, run.bold));
                TextOutW(dc_, left_ + (run.start - line.start) * cellWidth_, y, text.c_str(),
                         static_cast<int>(text.size()));
            }
            y += lineHeight_;
        }
        SelectObject(dc_, old);
        return EndPage(dc_) > 0;
    }

   private:
    HFONT font(int charset, bool bold) {
        auto key = std::make_pair(charset, bold);
        auto found = fonts_.find(key);
        if (found != fonts_.end()) return found->second;
        HFONT made = CreateFontW(height_, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                 printFontCharset(charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
        fonts_[key] = made;
        return made;
    }

    const PrintDocument& document_;
    HDC dc_;
    int32_t dpiX_ = 0, dpiY_ = 0, height_ = 0, left_ = 0, top_ = 0;
    int32_t cellWidth_ = 1, lineHeight_ = 1;
    PrintLayout layout_{std::string(), 1, 1};
    std::map<std::pair<int, bool>, HFONT> fonts_;
};

std::wstring documentName() {
    wchar_t title[MAX_PATH] = {};
    if (GetFileTitleW(L"list.prt", title, MAX_PATH) == 0 && title[0]) return title;
    return L"list.prt";
}

}  // namespace

BYTE printFontCharset(int charset) {
    return charset == 500 ? ANSI_CHARSET : static_cast<BYTE>(charset);
}

std::wstring wideText(const std::string& text, const std::vector<FormatRun>& runs) {
    std::wstring wide;
    for (const FormatRun& run : runs)
        wide += toWide(
            text.substr(static_cast<size_t>(run.start), static_cast<size_t>(run.end - run.start)),
            windowCodePage(run.charset));
    return wide;
}

PrintResult printDocument(const PrintDocument& document, HDC dc, const PrintChoices& choices,
                          bool toFile) {
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const std::wstring name = documentName();
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    info.lpszOutput = toFile ? L"FILE:" : nullptr;
    if (StartDocW(dc, &info) <= 0) {
        DeleteDC(dc);
        SetCursor(previous);
        return PrintResult::NotStarted;
    }
    const PrintPage page =
        printPageFor(GetDeviceCaps(dc, PHYSICALWIDTH), GetDeviceCaps(dc, PHYSICALHEIGHT),
                     GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY));
    // The selection is never offered: the whole text is printed.
    const int32_t end = static_cast<int32_t>(document.text.size());
    PrintOutcome outcome;
    {
        RichEditPages control(document.control, dc, page, end);
        // Where the control lays out nothing (Wine's rich-text control
        // cannot print), the program lays the same text out itself.
        if (end > 0 && control.measurePage(0) <= 0) {
            GdiPages own(document, dc, page, defaultSizeTwips(document.control));
            outcome = printPasses(own, choices, 0, end);
        } else {
            outcome = printPasses(control, choices, 0, end);
        }
    }
    if (outcome.failed)
        AbortDoc(dc);
    else
        EndDoc(dc);
    DeleteDC(dc);
    SetCursor(previous);
    return PrintResult::Printed;
}
