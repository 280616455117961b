// The resources of the eleven UI languages as the program finds them: the
// string blocks against the English one, the edition settings, the menus,
// dialogs and accelerator tables by name, and the help page of each language.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// In string-base order: language i has the block 500 + 200 x i.
const char* const kLanguages[] = {"english",    "french", "swedish",  "russianlat",
                                  "russiancyr", "dutch",  "italian",  "norwegian",
                                  "danish",     "german", "esperanto"};
constexpr int kLanguageCount = 11;
constexpr int kEnglish = 0;

std::wstring wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// The whole string, not cut at a buffer: the program loads into 300
// characters, which the length check below guards.
std::wstring uiString(int language, int offset) {
    const wchar_t* text = nullptr;
    int n = LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(500 + 200 * language + offset),
                        reinterpret_cast<LPWSTR>(&text), 0);
    return n > 0 && text ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

std::string utf8(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n,
                        nullptr, nullptr);
    return out;
}

// "%s", "%d", "%ld", "%%" ... in order of appearance.
std::vector<std::wstring> placeholders(const std::wstring& text) {
    std::vector<std::wstring> found;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'%') continue;
        size_t end = i + 1;
        while (end < text.size() && wcschr(L"0123456789.-+# l", text[end])) ++end;
        if (end < text.size()) ++end;
        found.push_back(text.substr(i, end - i));
        i = end - 1;
    }
    return found;
}

size_t trailingBlanks(const std::wstring& text) {
    size_t n = 0;
    while (n < text.size() && text[text.size() - 1 - n] == L' ') ++n;
    return n;
}

size_t count(const std::wstring& text, wchar_t c) {
    size_t n = 0;
    for (wchar_t t : text) n += t == c;
    return n;
}

// Offsets that are settings or fixed names rather than prose.
bool isSetting(int offset) {
    static const int settings[] = {1,  2,  3,  4,  5,  6,  10, 12, 13, 15,
                                   19, 52, 53, 56, 57, 58, 59, 60, 83};
    for (int s : settings)
        if (s == offset) return true;
    return false;
}

TEST(UiStrings, EveryOffsetKeepsTheShapeOfTheEnglishText) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        int translated = 0, prose = 0;
        // The block has room for 200 texts; every text English has, the
        // others have too (the program's own after the edition's 0-94).
        for (int offset = 0; offset < 200; ++offset) {
            SCOPED_TRACE(std::string(kLanguages[lang]) + " offset " + std::to_string(offset));
            std::wstring text = uiString(lang, offset), english = uiString(kEnglish, offset);
            if (english.empty() && offset > 94) {
                EXPECT_TRUE(text.empty());
                continue;
            }
            ASSERT_FALSE(text.empty());
            EXPECT_LT(text.size(), 300u);
            EXPECT_EQ(placeholders(text), placeholders(english));
            EXPECT_EQ(count(text, L'\n'), count(english, L'\n'));
            EXPECT_EQ(trailingBlanks(text), trailingBlanks(english));
            if (!isSetting(offset)) {
                ++prose;
                translated += text != english;
            }
        }
        // "OK", "?" and the like may stay as they are; a block copied from
        // English may not.
        if (lang != kEnglish) {
            EXPECT_GE(translated, prose - 5) << kLanguages[lang];
        }
    }
}

struct Edition {
    const wchar_t *wordFolder, *listRoot, *iconFolder, *locale, *charset, *delayKey, *fastX,
        *settingsFile, *languageHeader, *selectedHeader, *addNewHeader, *helpFile, *ownName;
    size_t selectedLength, addNewLength;  // the lengths the edition table gives (58, 60)
};
// nullptr: the edition's own word with letters outside ASCII.
const Edition kEditions[kLanguageCount] = {
    {L"language\\", L"list\\", L"icons\\", L"english", L"0", L"EnglishAviDelay", L"213",
     L"dict.ini", L"[language]", L"[selected]", L"[AddNew]", L"dict.hlp", L"English", 10, 8},
    {L"langue\\", L"liste\\", L"icones\\", L"french", L"0", L"FrenchAviDelay", L"170", L"dict.ini",
     L"[langue]", nullptr, L"[ajouter]", L"Dict.hlp", L"Français", 13, 9},
    {L"sprak\\", L"lista\\", L"icons\\", L"swedish", L"0", L"SwedishAviDelay", L"194",
     L"lexikon.ini", nullptr, L"[Valda]", nullptr, L"lexikon.hlp", L"Svenska", 7, 15},
    {L"language\\", L"list\\", L"icons\\", L"russian", L"204", L"RavidiEngAviDelay", L"213",
     L"ravidi.ini", L"[language]", L"[selected]", L"[AddNew]", L"ravidi.hlp", L"Russkij", 10, 8},
    {L"language\\", L"list\\", L"icons\\", L"russian", L"204", L"RavidiCyrAviDelay", L"200",
     L"Ravidi.ini", L"[language]", L"[selected]", L"[AddNew]", L"Ravidi.hlp", L"Русский", 10, 8},
    {L"taal\\", L"lijst\\", L"icons\\", L"dutch", L"0", L"DutchAviDelay", L"207", L"norva.ini",
     L"[taal]", L"[selected]", L"[toevoegen]", L"wb.hlp", L"Nederlands", 10, 11},
    {L"language\\", L"list\\", L"icons\\", L"italian", L"0", L"ItalianAviDelay", L"193",
     L"dizio.ini", L"[language]", L"[selected]", L"[AddNew]", L"dizio.hlp", L"Italiano", 10, 8},
    {L"language\\", L"list\\", L"icons\\", L"norwegian-bokmal", L"0", L"NorwegianAviDelay", L"200",
     L"dict.ini", L"[language]", L"[selected]", L"[AddNew]", L"ordbok.hlp", L"Norsk", 10, 8},
    {L"language\\", L"list\\", L"icons\\", L"danish", L"0", L"DanishAviDelay", L"205", L"dict.ini",
     L"[language]", L"[selected]", L"[AddNew]", L"ordbog.hlp", L"Dansk", 10, 8},
    {L"sprache\\", L"liste\\", L"icons\\", L"german", L"0", L"GermanAviDelay", L"188", L"wbuch.ini",
     L"[sprache]", L"[selected]", nullptr, L"wbuch.hlp", L"Deutsch", 10, 9},
    {L"Lingvo\\", L"Listo\\", L"Piktogramoj\\", L"French", L"500", L"EsperantoAviDelay", L"204",
     L"vortaro.ini", L"[lingvo]", L"[selektita]", L"[aldoni]", L"dict.hlp", L"Esperanto", 11, 8},
};

// The code page in which a language's settings name files and match the
// settings file its installer wrote.
UINT codePageOf(const std::wstring& charset) {
    if (charset == L"204") return 1251;
    if (charset == L"500") return 28593;
    return 1252;
}

bool fitsCodePage(const std::wstring& text, UINT codePage) {
    BOOL lossy = FALSE;
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr,
                        &lossy);
    return !lossy;
}

// A header and, where the edition table gives one, its length (0: none given).
void expectHeader(const std::wstring& header, const wchar_t* wanted, size_t length) {
    if (length) {
        EXPECT_EQ(header.size(), length) << utf8(header);
    }
    if (wanted) {
        EXPECT_EQ(header, wanted);
        return;
    }
    // The edition's own word: in brackets, with letters outside ASCII.
    ASSERT_GE(header.size(), 3u);
    EXPECT_EQ(header.front(), L'[');
    EXPECT_EQ(header.back(), L']');
    bool beyondAscii = false;
    for (wchar_t c : header) beyondAscii |= c > 127;
    EXPECT_TRUE(beyondAscii) << utf8(header);
}

TEST(UiStrings, EditionSettingsOfEveryLanguage) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        SCOPED_TRACE(kLanguages[lang]);
        const Edition& e = kEditions[lang];
        auto s = [lang](int offset) { return uiString(lang, offset); };
        EXPECT_EQ(s(1), e.wordFolder);
        EXPECT_EQ(s(2), e.listRoot);
        EXPECT_EQ(s(3), s(2) + L"temp.ls");
        EXPECT_EQ(s(4), s(1) + L"tempfile");
        EXPECT_EQ(s(5), e.iconFolder);
        EXPECT_EQ(s(6), L"norvaicon");  // resource and class names are the same in every language
        EXPECT_EQ(s(10), L"tekenset");
        EXPECT_EQ(s(12), e.locale);
        EXPECT_EQ(s(13), e.charset);
        EXPECT_EQ(s(15), e.delayKey);
        EXPECT_EQ(s(19), e.fastX);
        EXPECT_EQ(s(52), e.ownName);
        EXPECT_EQ(s(53), e.settingsFile);
        EXPECT_EQ(s(83), e.helpFile);
        expectHeader(s(56), e.languageHeader, 0);
        expectHeader(s(57), e.selectedHeader, e.selectedLength);
        expectHeader(s(59), e.addNewHeader, e.addNewLength);
        // The program compares [selected] over the length its string table gives.
        EXPECT_EQ(s(58), std::to_wstring(e.selectedLength));
        EXPECT_EQ(s(60), std::to_wstring(e.addNewLength));
        UINT codePage = codePageOf(e.charset);
        for (int offset : {1, 2, 3, 4, 5, 12, 15, 53, 56, 57, 59, 83})
            EXPECT_TRUE(fitsCodePage(s(offset), codePage)) << "offset " << offset;
    }
}

// --- menus -----------------------------------------------------------------

// The item's text, its command id, and its sub-menu if it opens one.
struct MenuEntry {
    std::wstring text;
    UINT id = 0;
    bool separator = false;
    HMENU popup = nullptr;
};

std::vector<MenuEntry> entries(HMENU menu) {
    std::vector<MenuEntry> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MenuEntry e;
        wchar_t text[256] = {};
        MENUITEMINFOW info = {sizeof info};
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 255;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        e.text = text;
        e.separator = info.fType & MFT_SEPARATOR;
        e.popup = GetSubMenu(menu, i);
        e.id = e.popup ? 0 : GetMenuItemID(menu, i);
        out.push_back(e);
    }
    return out;
}

// One line per level: "File{Stay on top=55|...}" with the texts, or only the
// shape and the command ids without them.
std::wstring describe(HMENU menu, bool withTexts) {
    std::wstring out;
    for (const MenuEntry& e : entries(menu)) {
        if (!out.empty()) out += L"|";
        if (e.separator) {
            out += L"-";
            continue;
        }
        if (withTexts) out += e.text;
        if (e.popup)
            out += L"{" + describe(e.popup, withTexts) + L"}";
        else
            out += L"=" + std::to_wstring(e.id);
    }
    return out;
}

wchar_t mnemonic(const std::wstring& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(
            CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(text[i + 1])))));
    }
    return 0;
}

std::wstring withoutMnemonic(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out.substr(0, out.find(L'\t'));
}

// No two items of one level share a mnemonic letter; `extra` are titles the
// program adds to the level at run time.
void expectDistinctMnemonics(HMENU menu, const std::wstring& where,
                             const std::vector<std::wstring>& extra = {}) {
    std::map<wchar_t, std::wstring> seen;
    std::vector<std::wstring> texts = extra;
    for (const MenuEntry& e : entries(menu)) {
        if (!e.separator) {
            EXPECT_FALSE(e.text.empty()) << utf8(where);
            texts.push_back(e.text);
        }
        if (e.popup) expectDistinctMnemonics(e.popup, where + L" > " + e.text);
    }
    for (const std::wstring& text : texts) {
        wchar_t m = mnemonic(text);
        if (!m) continue;
        auto known = seen.find(m);
        if (known != seen.end())
            ADD_FAILURE() << utf8(where) << ": " << utf8(text) << " and " << utf8(known->second)
                          << " share a mnemonic";
        seen[m] = text;
    }
}

HMENU loadMenu(int lang, const char* kind) {
    return LoadMenuW(GetModuleHandleW(nullptr),
                     wide(std::string(kLanguages[lang]) + "_" + kind).c_str());
}

const char* const kMenuKinds[] = {"norva", "zoeken", "list", "readfile", "tekenset"};

TEST(Menus, EnglishTextsAndCommandIds) {
    const struct {
        const char* kind;
        const wchar_t* menu;
    } english[] = {
        {"norva",
         L"&File{Stay on top=55|&Search words in textfile=9|E&xit\tCtrl+X=3}|"
         L"&Help{&Help Dictionary\tF1=4|&About...=5}"},
        {"zoeken", L"&Character set{&On=6|Of&f=7}|Automatic Clipboard search{On=56|Off=57}"},
        {"list", L"&File{Create new list=59|Delete current list=60}"},
        {"readfile", L"&File{&Open textfile=1|&Paste text from clipboard=20}"},
        {"tekenset", L"&Character set{&On=6|Of&f=7}"},
    };
    for (const auto& m : english) {
        HMENU menu = loadMenu(kEnglish, m.kind);
        ASSERT_NE(menu, nullptr) << m.kind;
        EXPECT_EQ(describe(menu, true), m.menu) << m.kind;
        DestroyMenu(menu);
    }
}

TEST(Menus, EveryLanguageHasTheEnglishCommandsWithDistinctMnemonics) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        for (const char* kind : kMenuKinds) {
            std::string where = std::string(kLanguages[lang]) + "_" + kind;
            SCOPED_TRACE(where);
            HMENU menu = loadMenu(lang, kind), english = loadMenu(kEnglish, kind);
            ASSERT_NE(menu, nullptr);
            EXPECT_EQ(describe(menu, false), describe(english, false));
            // The main menu gets the Language menu (offset 76) at run time.
            std::vector<std::wstring> added;
            if (std::strcmp(kind, "norva") == 0) added.push_back(uiString(lang, 76));
            expectDistinctMnemonics(menu, wide(where), added);
            DestroyMenu(menu);
            DestroyMenu(english);
        }
    }
}

std::wstring itemText(HMENU menu, UINT id) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, id, text, 256, MF_BYCOMMAND);
    return text;
}

TEST(Menus, ShownKeysAreTheLanguagesAccelerators) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        SCOPED_TRACE(kLanguages[lang]);
        HMENU menu = loadMenu(lang, "norva");
        HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr),
                                         wide(std::string(kLanguages[lang]) + "_accel").c_str());
        ASSERT_NE(table, nullptr);
        ACCEL keys[16];
        int n = CopyAcceleratorTableW(table, keys, 16);
        wchar_t exitLetter = 0;
        for (int i = 0; i < n; ++i)
            if (keys[i].cmd == 3 && !(keys[i].fVirt & FVIRTKEY))
                exitLetter = static_cast<wchar_t>(keys[i].key + '@');
        ASSERT_NE(exitLetter, 0);
        std::wstring exitText = itemText(menu, 3);
        size_t tab = exitText.find(L'\t');
        ASSERT_NE(tab, std::wstring::npos) << utf8(exitText);
        std::wstring shown = exitText.substr(tab + 1);
        // Ctrl is written as the language's keyboards label it (Strg in German).
        EXPECT_TRUE(shown == std::wstring(L"Ctrl+") + exitLetter ||
                    shown == std::wstring(L"Strg+") + exitLetter)
            << utf8(shown);
        std::wstring helpText = itemText(menu, 4);
        EXPECT_EQ(helpText.substr(helpText.find(L'\t') + 1), L"F1");
        DestroyAcceleratorTable(table);
        DestroyMenu(menu);
    }
}

// The same thing is called the same in the menus and in the string block.
TEST(Menus, ItemsNamedAsTheStringsOfTheSameThing) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        SCOPED_TRACE(kLanguages[lang]);
        HMENU main = loadMenu(lang, "norva"), list = loadMenu(lang, "list"),
              search = loadMenu(lang, "zoeken"), addWords = loadMenu(lang, "tekenset");
        EXPECT_EQ(itemText(main, 55), uiString(lang, 11));
        EXPECT_EQ(withoutMnemonic(itemText(main, 9)), uiString(lang, 91));
        EXPECT_EQ(itemText(list, 59), uiString(lang, 42));
        EXPECT_EQ(itemText(list, 60), uiString(lang, 44));
        std::vector<MenuEntry> top = entries(search);
        ASSERT_EQ(top.size(), 2u);
        EXPECT_EQ(withoutMnemonic(top[0].text), uiString(lang, 94));
        EXPECT_EQ(top[1].text, uiString(lang, 87));
        EXPECT_EQ(withoutMnemonic(entries(addWords).at(0).text), uiString(lang, 94));
        for (HMENU m : {main, list, search, addWords}) DestroyMenu(m);
    }
}

TEST(NamedResources, EveryKindForEveryLanguageIgnoringCase) {
    const struct {
        const char* kind;
        LPCWSTR type;
    } kinds[] = {{"_norva", RT_MENU},        {"_zoeken", RT_MENU},      {"_list", RT_MENU},
                 {"_readfile", RT_MENU},     {"_tekenset", RT_MENU},    {"_AboutBox", RT_DIALOG},
                 {"_listdialog", RT_DIALOG}, {"_accel", RT_ACCELERATOR}};
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        std::string name = kLanguages[lang];
        // As language.ini may spell it: lower case, capitalised, upper case.
        std::string capitalised = name;
        capitalised[0] = static_cast<char>(capitalised[0] - 'a' + 'A');
        for (const auto& k : kinds)
            for (const std::string& spelling : {name, capitalised}) {
                std::wstring resource = wide(spelling + k.kind);
                EXPECT_NE(FindResourceW(GetModuleHandleW(nullptr), resource.c_str(), k.type),
                          nullptr)
                    << utf8(resource);
            }
    }
}

// --- dialogs ---------------------------------------------------------------

struct DialogItem {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD id = 0;
    std::wstring cls, text;
};

struct Dialog {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::wstring caption, font;
    WORD points = 0;
    std::vector<DialogItem> items;
};

// Reads a DLGTEMPLATE as the resource compiler lays it out.
class TemplateReader {
   public:
    explicit TemplateReader(const BYTE* start) : start_(start), at_(start) {}
    template <class T>
    T take() {
        T value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    // A name or an ordinal; ordinals of the predefined classes become names.
    std::wstring nameOrOrdinal() {
        WORD first = take<WORD>();
        if (first == 0) return L"";
        if (first == 0xFFFF) {
            WORD ordinal = take<WORD>();
            static const wchar_t* const classes[] = {L"Button",  L"Edit",      L"Static",
                                                     L"ListBox", L"ScrollBar", L"ComboBox"};
            return ordinal >= 0x80 && ordinal <= 0x85 ? classes[ordinal - 0x80]
                                                      : L"#" + std::to_wstring(ordinal);
        }
        std::wstring text(1, static_cast<wchar_t>(first));
        for (WORD c; (c = take<WORD>()) != 0;) text += static_cast<wchar_t>(c);
        return text;
    }
    void alignToDword() {
        while ((at_ - start_) % 4) ++at_;
    }

   private:
    const BYTE* start_;
    const BYTE* at_;
};

Dialog loadDialog(const std::wstring& name) {
    Dialog d;
    HRSRC found = FindResourceW(GetModuleHandleW(nullptr), name.c_str(), RT_DIALOG);
    if (!found) return d;
    const BYTE* data =
        static_cast<const BYTE*>(LockResource(LoadResource(GetModuleHandleW(nullptr), found)));
    TemplateReader r(data);
    d.style = r.take<DWORD>();
    r.take<DWORD>();  // extended style
    WORD itemCount = r.take<WORD>();
    r.take<short>();
    r.take<short>();
    d.cx = r.take<short>();
    d.cy = r.take<short>();
    r.nameOrOrdinal();  // menu
    r.nameOrOrdinal();  // class
    d.caption = r.nameOrOrdinal();
    if (d.style & DS_SETFONT) {
        d.points = r.take<WORD>();
        d.font = r.nameOrOrdinal();
    }
    for (WORD i = 0; i < itemCount; ++i) {
        r.alignToDword();
        DialogItem item;
        item.style = r.take<DWORD>();
        r.take<DWORD>();
        item.x = r.take<short>();
        item.y = r.take<short>();
        item.cx = r.take<short>();
        item.cy = r.take<short>();
        item.id = r.take<WORD>();
        item.cls = r.nameOrOrdinal();
        item.text = r.nameOrOrdinal();
        WORD extra = r.take<WORD>();
        for (WORD b = 0; b < extra; ++b) r.take<BYTE>();
        d.items.push_back(item);
    }
    return d;
}

const DialogItem* itemWithId(const Dialog& d, WORD id) {
    for (const DialogItem& item : d.items)
        if (item.id == id) return &item;
    return nullptr;
}

void expectPlace(const DialogItem* item, short x, short y, short cx, short cy) {
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->x, x);
    EXPECT_EQ(item->y, y);
    EXPECT_EQ(item->cx, cx);
    EXPECT_EQ(item->cy, cy);
}

const DWORD kModalFrame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

TEST(Dialogs, EnglishNewListDialog) {
    Dialog d = loadDialog(L"english_listdialog");
    ASSERT_EQ(d.items.size(), 4u);
    EXPECT_EQ(d.style & kModalFrame, kModalFrame);
    EXPECT_EQ(d.cx, 213);
    EXPECT_EQ(d.cy, 80);
    EXPECT_EQ(d.caption, L"Create new list");
    EXPECT_EQ(d.font, L"MS Sans Serif");
    EXPECT_EQ(d.points, 8);
    const DialogItem& group = d.items[0];
    EXPECT_EQ(group.cls, L"Button");
    EXPECT_EQ(group.style & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX));
    EXPECT_EQ(group.text, L"List name : ");
    expectPlace(&group, 10, 7, 193, 46);
    const DialogItem* name = itemWithId(d, 30);
    expectPlace(name, 17, 25, 176, 14);
    EXPECT_EQ(name->cls, L"Edit");
    EXPECT_TRUE(name->style & WS_BORDER);
    EXPECT_TRUE(name->style & ES_AUTOHSCROLL);
    const DialogItem* ok = itemWithId(d, IDOK);
    expectPlace(ok, 10, 59, 50, 14);
    EXPECT_EQ(ok->style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(ok->text, L"OK");
    const DialogItem* cancel = itemWithId(d, IDCANCEL);
    expectPlace(cancel, 153, 59, 50, 14);
    EXPECT_EQ(cancel->text, L"Cancel");
}

TEST(Dialogs, EnglishAboutBox) {
    Dialog d = loadDialog(L"ENGLISH_ABOUTBOX");
    EXPECT_EQ(d.style & kModalFrame, kModalFrame);
    EXPECT_EQ(d.cx, 280);
    EXPECT_EQ(d.cy, 85);
    EXPECT_EQ(d.font, L"MS Sans Serif");
    EXPECT_FALSE(d.caption.empty());
    const DialogItem* ok = itemWithId(d, IDOK);
    expectPlace(ok, 171, 60, 50, 14);
    EXPECT_EQ(ok->text, L"OK");
    std::vector<const DialogItem*> frames;
    for (const DialogItem& item : d.items)
        if (item.cls == L"Button" && (item.style & BS_TYPEMASK) == BS_GROUPBOX)
            frames.push_back(&item);
    ASSERT_EQ(frames.size(), 2u);
    expectPlace(frames[0], 5, 2, 107, 77);  // the animation's
    expectPlace(frames[1], 117, 2, 158, 77);
    // Four lines inside the right frame, above the OK button.
    for (WORD id = 101; id <= 104; ++id) {
        const DialogItem* line = itemWithId(d, id);
        ASSERT_NE(line, nullptr) << id;
        EXPECT_EQ(line->cls, L"Static");
        EXPECT_GE(line->x, 117);
        EXPECT_LE(line->x + line->cx, 117 + 158);
        EXPECT_GE(line->y, 2);
        EXPECT_LE(line->y + line->cy, 60);
    }
    EXPECT_EQ(itemWithId(d, 101)->text, L"norva");
    EXPECT_EQ(itemWithId(d, 102)->text, L"Version 0.1");
    EXPECT_FALSE(itemWithId(d, 103)->text.empty());
    std::wstring licence = itemWithId(d, 104)->text;
    for (const wchar_t* part : {L"FreeDict", L"GPL", L"CC-BY"})
        EXPECT_NE(licence.find(part), std::wstring::npos) << utf8(part);
}

// Every language's dialogs are the English ones translated: the same
// classes, styles, ids and places, the same font.
TEST(Dialogs, EveryLanguageHasTheEnglishLayout) {
    for (const char* kind : {"_listdialog", "_AboutBox"}) {
        Dialog english = loadDialog(wide(std::string("english") + kind));
        ASSERT_FALSE(english.items.empty()) << kind;
        for (int lang = 1; lang < kLanguageCount; ++lang) {
            SCOPED_TRACE(std::string(kLanguages[lang]) + kind);
            Dialog d = loadDialog(wide(kLanguages[lang] + std::string(kind)));
            ASSERT_EQ(d.items.size(), english.items.size());
            EXPECT_EQ(d.style, english.style);
            EXPECT_EQ(d.cx, english.cx);
            EXPECT_EQ(d.cy, english.cy);
            EXPECT_EQ(d.font, english.font);
            EXPECT_EQ(d.points, english.points);
            EXPECT_FALSE(d.caption.empty());
            EXPECT_NE(d.caption, english.caption);
            for (size_t i = 0; i < d.items.size(); ++i) {
                const DialogItem &a = d.items[i], &b = english.items[i];
                EXPECT_EQ(a.id, b.id) << i;
                EXPECT_EQ(a.cls, b.cls) << i;
                EXPECT_EQ(a.style, b.style) << i;
                EXPECT_EQ(a.x, b.x) << i;
                EXPECT_EQ(a.y, b.y) << i;
                EXPECT_EQ(a.cx, b.cx) << i;
                EXPECT_EQ(a.cy, b.cy) << i;
                EXPECT_EQ(a.text.empty(), b.text.empty()) << i;
            }
            EXPECT_EQ(itemWithId(d, IDOK)->text, uiString(lang, 9));
        }
    }
}

TEST(Dialogs, NewListDialogSpeaksWithTheStringsOfTheList) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        SCOPED_TRACE(kLanguages[lang]);
        Dialog d = loadDialog(wide(kLanguages[lang] + std::string("_listdialog")));
        ASSERT_EQ(d.items.size(), 4u);
        EXPECT_EQ(d.caption, uiString(lang, 42));
        EXPECT_EQ(d.items[0].text, uiString(lang, 43));
        EXPECT_EQ(itemWithId(d, IDCANCEL)->text, uiString(lang, 8));
    }
}

// --- help pages ------------------------------------------------------------

// The source tree as this process sees it (Wine maps the Unix root to Z:).
std::string sourcePath(const std::string& relative) {
    std::string root = NORVA_SOURCE_DIR;
    if (!root.empty() && root[0] == '/') root = "Z:" + root;
    return root + "/" + relative;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool validUtf8(const std::string& bytes) {
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                               static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

// Each language's page: the name of its help file with ".htm", in its own
// folder, UTF-8, with the anchors the program passes as keywords.
TEST(HelpPages, EveryLanguageHasItsPageWithItsAnchors) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        SCOPED_TRACE(kLanguages[lang]);
        std::string helpFile = utf8(uiString(lang, 83));
        std::string page = helpFile.substr(0, helpFile.rfind('.')) + ".htm";
        std::string path = sourcePath("docs/help/" + std::string(kLanguages[lang]) + "/" + page);
        std::string html = readFile(path);
        ASSERT_FALSE(html.empty()) << path;
        EXPECT_TRUE(validUtf8(html));
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        for (int keyword : {67, 93}) {
            std::string anchor = "id=\"" + utf8(uiString(lang, keyword)) + "\"";
            EXPECT_NE(html.find(anchor), std::string::npos) << anchor;
        }
    }
}

}  // namespace
