// pairicons.cpp — icons\<name>.ico of the current pair.
#include "pairicons.h"

#include <string>

#include "languagepair.h"
#include "uilanguage.h"
#include "widepath.h"

PairIcons pairIcons;

namespace {

HICON loadIconFile(const std::string& fileName) {
    std::wstring path = widePath(uiBytes(5) + fileName);
    return static_cast<HICON>(
        LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
}

}  // namespace

void releasePairIcons() {
    if (pairIcons.from) DestroyIcon(pairIcons.from);
    if (pairIcons.to) DestroyIcon(pairIcons.to);
    pairIcons = PairIcons{};
}

void loadPairIcons() {
    releasePairIcons();
    const LanguagePair* p = currentPair();
    if (!p) return;
    bool isLong = p->longName[0] != '\0';
    pairIcons.from = loadIconFile(isLong ? p->longFromIcon : p->fromIcon);
    pairIcons.to = loadIconFile(isLong ? p->longToIcon : p->toIcon);
}
