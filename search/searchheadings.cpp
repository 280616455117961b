// searchheadings.cpp — the headings of the search windows.
#include "searchheadings.h"

#include "drawing.h"
#include "fonts.h"
#include "uilanguage.h"
#include "uioffsets.h"
#include "widetext.h"

void paintSearchHeadings(HDC dc, HWND window, const LanguagePair& pair) {
    RECT client;
    GetClientRect(window, &client);
    drawTopLine(dc, client.right);
    const UINT heading = DT_SINGLELINE | DT_CENTER | DT_NOPREFIX;
    drawEmbossedTexts(dc, sharedFonts.searchHeadFont,
                      {{toWide(pair.name, uiCodePage()), {20, 10, 235, 40}, heading},
                       {toWide(pair.toName, uiCodePage()), {255, 10, 605, 40}, heading}});
    drawPlainText(dc, sharedFonts.smallFont, RGB(0, 0, 0),
                  {uiText(ui::kSearchLabel), {20, 330, 100, 350}, DT_WORDBREAK | DT_NOPREFIX});
}
