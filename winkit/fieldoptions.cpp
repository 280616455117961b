// fieldoptions.cpp — the field subclass behind FieldOptions.
#include "fieldoptions.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "widetext.h"
#include "windowtext.h"

namespace {

struct FieldState {
    std::vector<UINT> reportedKeys;
    bool reportKeyReleases = false;
    bool reportClicks = false;
    bool ignoreRightButton = false;
    bool forwardContextMenu = false;
    unsigned codePage = 0;
    UINT reportedKey = 0;
};

// The state is also kept as a window property so that it can be found again.
constexpr const wchar_t* kFieldProperty = L"norva.field";
constexpr UINT_PTR kSubclassId = 1;

bool isReported(const FieldState& f, UINT key) {
    for (UINT k : f.reportedKeys)
        if (k == key) return true;
    return false;
}

// The character a reported key would type, which the field must not get either.
bool isCharacterOfReportedKey(const FieldState& f, WPARAM c) {
    return ((c == '\r' || c == '\n') && isReported(f, VK_RETURN)) ||
           (c == ' ' && isReported(f, VK_SPACE)) || (c == '\b' && isReported(f, VK_BACK));
}

// Whether a typed character can be stored in the field's code page: a
// character that cannot is refused rather than stored as "?".
bool representable(wchar_t c, unsigned codePage) {
    if (codePage == 0 || c < 0x20) return true;
    bool lossless = false;
    toBytes(std::wstring(1, c), codePage, &lossless);
    return lossless;
}

void report(HWND field, WORD notification) {
    SendMessageW(GetParent(field), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(field), notification),
                 reinterpret_cast<LPARAM>(field));
}

LRESULT CALLBACK fieldProc(HWND field, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* f = reinterpret_cast<FieldState*>(data);
    switch (msg) {
        case WM_KEYDOWN:
            if (isReported(*f, static_cast<UINT>(wp))) {
                f->reportedKey = static_cast<UINT>(wp);
                report(field, kFieldKeyNotification);
                return 0;
            }
            break;
        case WM_KEYUP:
            if (isReported(*f, static_cast<UINT>(wp))) return 0;
            if (f->reportKeyReleases) report(field, kFieldKeyReleaseNotification);
            break;
        case WM_CHAR:
            if (isCharacterOfReportedKey(*f, wp)) return 0;
            if (!representable(static_cast<wchar_t>(wp), f->codePage)) {
                MessageBeep(MB_OK);
                return 0;
            }
            break;
        case WM_LBUTTONUP:
            if (f->reportClicks) report(field, kFieldClickNotification);
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            if (f->ignoreRightButton) return 0;
            break;
        case WM_CONTEXTMENU:
            if (f->ignoreRightButton) return 0;
            if (f->forwardContextMenu)
                return SendMessageW(GetParent(field), WM_CONTEXTMENU,
                                    reinterpret_cast<WPARAM>(field), lp);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(field, fieldProc, kSubclassId);
            RemovePropW(field, kFieldProperty);
            delete f;
            break;
    }
    return DefSubclassProc(field, msg, wp, lp);
}

FieldState* stateOf(HWND field) {
    return static_cast<FieldState*>(GetPropW(field, kFieldProperty));
}

}  // namespace

void subclassField(HWND field, const FieldOptions& options) {
    std::vector<UINT> keys;
    for (UINT key : options.reportedKeys)
        if (key) keys.push_back(key);
    auto* f = new FieldState{keys,
                             options.reportKeyReleases,
                             options.reportClicks,
                             options.ignoreRightButton,
                             options.forwardContextMenu,
                             options.codePage};
    SetPropW(field, kFieldProperty, f);
    SetWindowSubclass(field, fieldProc, kSubclassId, reinterpret_cast<DWORD_PTR>(f));
}

UINT reportedKey(HWND field) {
    FieldState* f = stateOf(field);
    return f ? f->reportedKey : 0;
}

unsigned fieldCodePage(HWND field) {
    FieldState* f = stateOf(field);
    return f ? f->codePage : 0;
}

void setFieldCodePage(HWND field, unsigned codePage) {
    if (FieldState* f = stateOf(field)) f->codePage = codePage;
}

void giveColumnFont(HWND field, HFONT font, unsigned codePage) {
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    setFieldCodePage(field, codePage);
}

std::string fieldBytes(HWND field, size_t chars) {
    return toBytes(windowText(field), fieldCodePage(field)).substr(0, chars);
}

void setFieldBytes(HWND field, const std::string& bytes) {
    SetWindowTextW(field, toWide(bytes, fieldCodePage(field)).c_str());
}
