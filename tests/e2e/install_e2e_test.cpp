// install.exe run for real under Wine on distributions made here: through
// its window (folder field, Start, the closing messages) and unattended,
// checking every file it leaves byte for byte, the win.ini key and the
// shortcut read back through the shell's link object.
#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "driver.h"
#include "testsupport.h"
#include "wordrecord.h"

namespace {

namespace fs = std::filesystem;

const std::string kHeader =
    "# --- ravidi.ini --------------------------------------------------\r\n";
const std::string kEnd = "# --- EOF --------------------------------------------------------\r\n";
const char* const kDelayKey = "RavidiCyrAviDelay";
const char* const kGroup = "Norva install test";

enum Control {
    kStart = 200,
    kStop = 201,
    kChange = 202,
    kPanel = 249,
    kFolderLabel = 250,
    kDriveLabel = 251,
    kFolderListLabel = 252,
    kDriveList = 300,
    kFolderList = 301,
    kField = 350
};

std::string recordsBytes(const std::vector<test::Entry>& entries) {
    std::string bytes;
    for (const test::Entry& e : entries) {
        WordRecord r = makeRecord(e.first, e.second);
        bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
    }
    return bytes;
}

std::string narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s.push_back(static_cast<char>(c));
    return s;
}

// Every file under a folder, relative names with "/", and its bytes.
std::map<std::string, std::string> filesUnder(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files[fs::relative(e.path(), root).generic_string()] =
                test::readBytes(e.path().string());
    return files;
}

// A control's text asked of the control itself (GetWindowText does not ask
// an edit field of another process).
std::wstring controlText(HWND control) {
    LRESULT n = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(n));
    return text;
}

std::string programsFolder() {
    char path[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, path, CSIDL_PROGRAMS, FALSE);
    return path;
}

struct Link {
    bool loaded = false;
    std::string path, arguments, workingFolder;
};

// The shortcut as the shell's link object reads it back.
Link readLink(const std::string& file) {
    Link link;
    CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* persist = nullptr;
        if (SUCCEEDED(
                shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
            std::wstring wide(file.begin(), file.end());
            if (SUCCEEDED(persist->Load(wide.c_str(), STGM_READ))) {
                char text[MAX_PATH] = {};
                link.loaded = true;
                shellLink->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
                link.path = text;
                shellLink->GetArguments(text, MAX_PATH);
                link.arguments = text;
                shellLink->GetWorkingDirectory(text, MAX_PATH);
                link.workingFolder = text;
            }
            persist->Release();
        }
        shellLink->Release();
    }
    CoUninitialize();
    return link;
}

class InstallE2E : public ::testing::Test {
   protected:
    test::ScratchFolder scratch;
    fs::path dist, target;
    std::string shortcutName;
    std::vector<driver::Program> started;

    void SetUp() override {
        dist = scratch.path() / "dist";
        target = scratch.path() / "my target";
        fs::create_directories(dist);
        shortcutName =
            std::string("Norva ") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        WriteProfileStringA("Dictionary", kDelayKey, nullptr);
        removeShortcut();
    }
    void TearDown() override {
        for (driver::Program& p : started)
            if (p.process) driver::waitForExit(p, 0);
        WriteProfileStringA("Dictionary", kDelayKey, nullptr);
        removeShortcut();
    }
    std::string linkPath() const {
        return programsFolder() + "\\" + kGroup + "\\" + shortcutName + ".lnk";
    }
    void removeShortcut() {
        std::error_code ignored;
        fs::remove(linkPath(), ignored);
        fs::remove(programsFolder() + "\\" + kGroup, ignored);  // only when empty
    }
    void put(const std::string& name, const std::string& bytes) {
        fs::create_directories((dist / name).parent_path());
        test::writeBytes((dist / name).string(), bytes);
    }

    // Two pairs (entered German first, so that the sort has work), a
    // compressed file, plain copies, matched copies and a sound folder.
    void standardDistribution(const std::string& extraScript = "") {
        put("install.inf",
            "# norva test distribution\r\ntitle Russkij slovar\r\ndir c:\\norva\r\nwbarg wb "
            "Angliyskiy\r\n"
            "mkdir language\r\nmkdir help\r\nmkdir sound\r\nmkdir sound\\eng\r\n"
            "copy language.cf language.cf\r\n"
            "copy Nemetskiy_Russkij.wb language\\Nemetskiy_Russkij.wb\r\n"
            "copy Angliyskiy_Russkij.wb language\\Angliyskiy_Russkij.wb\r\n"
            "COPY packed.txt_ packed.txt\r\ncopy readme.txt readme.txt\r\nxcopy *.hlp help\r\n"
            "sndcopy snd sound\\eng\r\navidelay 250\r\niconname " +
                shortcutName +
                "\r\n"
                "icongroup " +
                kGroup + "\r\niconexe norva.exe\r\nmkwlist\r\n" + extraScript);
        put("language.cf",
            "# pairs to install\r\nGerman,german,0,Nemetskiy\r\nNemetskiy_Russkij.wb\r\n\r\n"
            "Russkij_Nemetskiy.wb\r\nEnglish,english,0,Angliyskiy\r\n# forward\r\n"
            "Angliyskiy_Russkij.wb\r\nRusskij_Angliyskiy.wb\r\n");
        put("Nemetskiy_Russkij.wb", recordsBytes({{"Hund", "sobaka"}, {"Katze", "koshka,  kot"}}));
        put("Angliyskiy_Russkij.wb",
            recordsBytes({{"dog", "sobaka, pes"}, {"hound", "sobaka"}, {"cat", "koshka"}}));
        put("readme.txt", "Read me.\r\n");
        put("a.hlp", "help one");
        put("b.hlp", "help two");
        put("notes.txt", "not copied");
        put("snd\\one.wav", "RIFF one");
        put("snd\\two.wav", "RIFF two");
        std::string fixture = narrow(driver::binFolder()) + "install_fixture\\";
        ASSERT_TRUE(fs::exists(fixture + "packed.txt_")) << "the mscompress fixture is missing";
        fs::copy_file(fixture + "packed.txt_", dist / "packed.txt_");
    }

    // What the standard distribution leaves in the installation folder.
    std::map<std::string, std::string> standardResult() {
        std::string fixture = narrow(driver::binFolder()) + "install_fixture\\";
        return {
            {"language/Nemetskiy_Russkij.wb",
             test::readBytes((dist / "Nemetskiy_Russkij.wb").string())},
            {"language/Angliyskiy_Russkij.wb",
             test::readBytes((dist / "Angliyskiy_Russkij.wb").string())},
            {"language/Russkij_Nemetskiy.wb",
             recordsBytes({{"koshka", "Katze"}, {"kot", "Katze"}, {"sobaka", "Hund"}})},
            {"language/Russkij_Angliyskiy.wb",
             recordsBytes({{"koshka", "cat"}, {"pes", "dog"}, {"sobaka", "dog, hound"}})},
            {"packed.txt", test::readBytes(fixture + "packed.txt")},
            {"readme.txt", "Read me.\r\n"},
            {"help/a.hlp", "help one"},
            {"help/b.hlp", "help two"},
            {"sound/eng/one.wav", "RIFF one"},
            {"sound/eng/two.wav", "RIFF two"},
            {"ravidi.ini",
             kHeader +
                 "\r\n[AddNew]\r\non\r\n\r\n[selected]\r\nNemetskiy_Russkij.wb\r\n\r\n"
                 "[language]\r\nEnglish,english,0,Angliyskiy\r\nGerman,german,0,Nemetskiy\r\n"
                 "\r\n" +
                 kEnd},
        };
    }

    void expectStandardInstallation() {
        std::map<std::string, std::string> left = filesUnder(target), expected = standardResult();
        for (const auto& [name, bytes] : expected) {
            SCOPED_TRACE(name);
            ASSERT_TRUE(left.count(name));
            EXPECT_EQ(left[name], bytes);
        }
        for (const auto& kv : left)
            EXPECT_TRUE(expected.count(kv.first)) << "left over: " << kv.first;
        EXPECT_FALSE(expected["packed.txt"].empty());

        char delay[32] = {};
        GetProfileStringA("Dictionary", kDelayKey, "(none)", delay, sizeof delay);
        EXPECT_STREQ(delay, "250");

        const std::string folder = target.string() + "\\";
        Link link = readLink(linkPath());
        ASSERT_TRUE(link.loaded) << linkPath();
        EXPECT_EQ(link.path, folder + "norva.exe");
        EXPECT_EQ(link.arguments, "wb Angliyskiy");
        EXPECT_EQ(link.workingFolder, folder);
    }

    driver::Program& startInstall(const std::wstring& arguments = L"") {
        started.push_back(
            driver::start(driver::binFolder() + L"install.exe", arguments, dist.wstring()));
        EXPECT_NE(started.back().process, nullptr);
        return started.back();
    }
    HWND waitForInstallWindow(driver::Program& install) {
        HWND window = driver::waitForWindow(install, L"Install", 15000);
        EXPECT_NE(window, nullptr);
        return window;
    }
    static void setField(HWND window, const std::wstring& text) {
        SendMessageW(GetDlgItem(window, kField), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
    static void click(HWND window, int id) { PostMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

    // One message box of the program: its text and caption, then OK.
    void answer(driver::Program& install, const std::wstring& text, const std::wstring& caption,
                bool icon = false) {
        driver::MessageBoxSeen box;
        ASSERT_TRUE(driver::waitForMessageBox(install, box, 30000)) << narrow(text);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.hasIcon, icon);
        driver::press(box.dialog, IDOK);
        for (int waited = 0; IsWindow(box.dialog) && waited < 5000; waited += 20) Sleep(20);
    }
};

TEST_F(InstallE2E, WindowAndControlsBeforeStart) {
    standardDistribution();
    driver::Program& install = startInstall();
    HWND window = waitForInstallWindow(install);
    ASSERT_NE(window, nullptr);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));

    struct Expected {
        int id;
        const wchar_t* cls;
        RECT rect;
        bool visible;
        const wchar_t* text;
    };
    const Expected controls[] = {
        {kPanel, L"Static", {110, 138, 550, 248}, true, L""},
        {kFolderLabel, L"Static", {120, 148, 540, 170}, true, L"Install in Directory :"},
        {kField, L"Edit", {120, 170, 540, 195}, true, L"c:\\norva"},
        {kStart, L"Button", {120, 205, 220, 235}, true, L"Start"},
        {kChange, L"Button", {230, 205, 430, 235}, true, L"Change Directory"},
        {kStop, L"Button", {440, 205, 540, 235}, true, L"Stop"},
        {kDriveLabel, L"Static", {120, 260, 270, 280}, false, L"Drive :"},
        {kFolderListLabel, L"Static", {280, 260, 540, 280}, false, L"Directory :"},
        {kDriveList, L"ListBox", {120, 280, 270, 380}, false, L""},
        {kFolderList, L"ListBox", {280, 280, 540, 460}, false, L""},
    };
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.id);
        HWND control = GetDlgItem(window, c.id);
        ASSERT_NE(control, nullptr);
        wchar_t cls[32] = {};
        GetClassNameW(control, cls, 32);
        EXPECT_EQ(lstrcmpiW(cls, c.cls), 0);
        RECT w;
        GetWindowRect(control, &w);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&w), 2);
        EXPECT_EQ(w.left, c.rect.left);
        EXPECT_EQ(w.top, c.rect.top);
        EXPECT_EQ(w.right, c.rect.right);
        EXPECT_EQ(w.bottom, c.rect.bottom);
        EXPECT_EQ(IsWindowVisible(control) != 0, c.visible);
        EXPECT_EQ(controlText(control), c.text);
    }

    // Stop: nothing installed, exit code 0.
    click(window, kStop);
    EXPECT_EQ(driver::waitForExit(install, 15000), 0);
    EXPECT_FALSE(fs::exists("c:\\norva"));
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(InstallE2E, InstallThroughTheWindow) {
    standardDistribution();
    driver::Program& install = startInstall();
    HWND window = waitForInstallWindow(install);
    ASSERT_NE(window, nullptr);
    setField(window, target.wstring());
    click(window, kStart);
    answer(install, L"Install Finished ", L"Install");  // one per pair
    answer(install, L"Install Finished ", L"Install");
    EXPECT_EQ(driver::waitForExit(install, 30000), 0);
    EXPECT_FALSE(IsWindow(window));
    expectStandardInstallation();
}

TEST_F(InstallE2E, EnterStartsAndTheClosingTextFileIsShown) {
    standardDistribution("debug 0\r\ndisplay thanks.txt\r\ncopy thanks.txt thanks.txt\r\n");
    put("thanks.txt", std::string("Thank you.\r\nEnjoy.\0not shown", 26));
    driver::Program& install = startInstall();
    HWND window = waitForInstallWindow(install);
    ASSERT_NE(window, nullptr);
    setField(window, target.wstring());
    PostMessageW(GetDlgItem(window, kField), WM_KEYDOWN, VK_RETURN, 0);
    answer(install, L"Thank you.\r\nEnjoy.", L"Install");
    answer(install, L"Thank you.\r\nEnjoy.", L"Install");
    EXPECT_EQ(driver::waitForExit(install, 30000), 0);
    EXPECT_EQ(test::readBytes((target / "thanks.txt").string()),
              std::string("Thank you.\r\nEnjoy.\0not shown", 26));
    EXPECT_EQ(test::readBytes((target / "ravidi.ini").string()), standardResult()["ravidi.ini"]);
}

TEST_F(InstallE2E, InvalidOrUnwritableDirectoryKeepsWaiting) {
    standardDistribution();
    driver::Program& install = startInstall();
    HWND window = waitForInstallWindow(install);
    ASSERT_NE(window, nullptr);
    setField(window, (target / "missing" / "deeper").wstring());
    click(window, kStart);
    answer(install, L"Invalid Directory", L"Error", true);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, kStart)));
    EXPECT_FALSE(fs::exists(target));
    // A folder that exists but takes no new file, not even from root: sysfs.
    setField(window, L"Z:\\sys\\kernel");
    click(window, kStart);
    answer(install,
           L"Invalid Directory\n\nThe program cannot write its files in this directory.\n"
           L"Choose another directory.",
           L"Error", true);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, kStart)));
    setField(window, target.wstring());
    click(window, kStart);
    answer(install, L"Install Finished ", L"Install");
    answer(install, L"Install Finished ", L"Install");
    EXPECT_EQ(driver::waitForExit(install, 30000), 0);
    expectStandardInstallation();
}

TEST_F(InstallE2E, MissingScriptEndsWithExitCodeOne) {
    driver::Program& install = startInstall();
    answer(install, L"Can't open INSTALL.INF", L"Error", true);
    EXPECT_EQ(driver::waitForExit(install, 15000), 1);
}

TEST_F(InstallE2E, MissingWordListIsFatalAndKeepsWhatWasCopied) {
    standardDistribution();
    fs::remove(dist / "Angliyskiy_Russkij.wb");
    driver::Program& install = startInstall();
    HWND window = waitForInstallWindow(install);
    ASSERT_NE(window, nullptr);
    setField(window, target.wstring());
    click(window, kStart);
    answer(install, L"Install Finished ", L"Install");  // the first pair was built
    answer(install, L"Input file missing", L"Error", true);
    EXPECT_EQ(driver::waitForExit(install, 15000), 1);
    EXPECT_EQ(test::readBytes((target / "readme.txt").string()), "Read me.\r\n");
    EXPECT_TRUE(fs::exists(target / "language.cf"));
    EXPECT_FALSE(fs::exists(target / "language" / "temp.wb"));
    EXPECT_FALSE(fs::exists(linkPath()));
}

TEST_F(InstallE2E, ChangeDirectoryWalksTheFolders) {
    standardDistribution();
    driver::Program& install = startInstall();
    HWND window = waitForInstallWindow(install);
    ASSERT_NE(window, nullptr);
    click(window, kChange);
    HWND drives = GetDlgItem(window, kDriveList), folders = GetDlgItem(window, kFolderList);
    for (int waited = 0; !IsWindowVisible(drives) && waited < 5000; waited += 20) Sleep(20);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, kChange)));
    EXPECT_TRUE(IsWindowVisible(folders));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, kDriveLabel)));
    RECT panel;
    GetWindowRect(GetDlgItem(window, kPanel), &panel);
    EXPECT_EQ(panel.right - panel.left, 440);
    EXPECT_EQ(panel.bottom - panel.top, 320);
    EXPECT_NE(SendMessageW(drives, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(L"c:\\")),
              LB_ERR);
    EXPECT_EQ(lstrcmpiW(controlText(GetDlgItem(window, kField)).c_str(), L"c:\\"), 0);
    LRESULT windowsFolder =
        SendMessageW(folders, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(L"windows"));
    ASSERT_NE(windowsFolder, LB_ERR);

    // A folder chosen: it becomes current, its sub-folders are listed without ".".
    SendMessageW(folders, LB_SETCURSEL, windowsFolder, 0);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(kFolderList, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(folders));
    std::wstring field;
    for (int waited = 0; waited < 5000; waited += 20) {
        field = controlText(GetDlgItem(window, kField));
        if (lstrcmpiW(field.c_str(), L"c:\\windows") == 0) break;
        Sleep(20);
    }
    EXPECT_EQ(lstrcmpiW(field.c_str(), L"c:\\windows"), 0) << narrow(field);
    EXPECT_NE(SendMessageW(folders, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(L"system32")),
              LB_ERR);
    EXPECT_NE(SendMessageW(folders, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(L"..")),
              LB_ERR);
    EXPECT_EQ(SendMessageW(folders, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(L".")),
              LB_ERR);

    click(window, kChange);  // disabled: nothing happens
    click(window, kStop);
    EXPECT_EQ(driver::waitForExit(install, 15000), 0);
}

TEST_F(InstallE2E, UnattendedInstallation) {
    standardDistribution();
    driver::Program& install = startInstall(L"/quiet \"/dir=" + target.wstring() + L"\"");
    EXPECT_EQ(driver::waitForExit(install, 60000), 0);  // a message box would have kept it waiting
    expectStandardInstallation();
}

TEST_F(InstallE2E, CopiesExpandOrCopyAndAMissingSourceLeavesTheTarget) {
    put("install.inf",
        "copy packed.txt_ packed.txt\r\ncopy plain.txt_ plain.txt\r\n"
        "copy nosuch.txt mine.txt\r\n");
    put("plain.txt_", "a plain file under a compressed name\r\n");
    std::string fixture = narrow(driver::binFolder()) + "install_fixture\\";
    fs::copy_file(fixture + "packed.txt_", dist / "packed.txt_");
    fs::create_directories(target);
    test::writeBytes((target / "mine.txt").string(), "the user's own file");
    driver::Program& install = startInstall(L"/quiet /dir=\"" + target.wstring() + L"\"");
    EXPECT_EQ(driver::waitForExit(install, 30000), 0);
    EXPECT_EQ(test::readBytes((target / "packed.txt").string()),
              test::readBytes(fixture + "packed.txt"));
    EXPECT_EQ(test::readBytes((target / "plain.txt").string()),
              "a plain file under a compressed name\r\n");
    EXPECT_EQ(test::readBytes((target / "mine.txt").string()), "the user's own file");
}

TEST_F(InstallE2E, UnattendedWithAnInvalidFolder) {
    standardDistribution();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string log = std::string(temp) + "install.log";
    std::error_code ignored;
    fs::remove(log, ignored);
    driver::Program& install =
        startInstall(L"/quiet /dir=\"" + (target / "a" / "b").wstring() + L"\"");
    EXPECT_EQ(driver::waitForExit(install, 30000), 1);
    EXPECT_EQ(test::readBytes(log), "Invalid Directory\r\n");
    EXPECT_FALSE(fs::exists(target));
    fs::remove(log, ignored);
}

TEST_F(InstallE2E, UnattendedFatalErrorIsLoggedInTheInstallationFolder) {
    standardDistribution();
    fs::remove(dist / "Nemetskiy_Russkij.wb");
    driver::Program& install = startInstall(L"/QUIET /DIR=\"" + target.wstring() + L"\"");
    EXPECT_EQ(driver::waitForExit(install, 30000), 1);
    EXPECT_EQ(test::readBytes((target / "install.log").string()), "Input file missing\r\n");
    EXPECT_TRUE(fs::exists(target / "readme.txt"));
}

// The texts of a distribution for the russiancyr edition: code page 1251.
std::string cp1251(const std::wstring& text) {
    int n = WideCharToMultiByte(1251, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(1251, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    out.resize(static_cast<size_t>(n > 0 ? n - 1 : 0));
    return out;
}

// Files by their wide names, which 8-bit names cannot give here.
void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Run under a system code page that is not the edition's (the test session's
// UTF-8 locale gives 1252): the names the russiancyr distribution writes in
// 1251 are the Cyrillic names the messages show, on disk as in the program,
// and an installation folder with Cyrillic letters works too.
TEST_F(InstallE2E, CyrillicNamesOfTheRussianEditionOnAWesternSystem) {
    const std::wstring longName = L"Французский", ui = L"Русский";
    const std::wstring from = longName + L"_" + ui + L".wb", to = ui + L"_" + longName + L".wb";
    put("install.inf", cp1251(L"title Словарь\r\nmkdir language\r\ncopy language.cf language.cf\r\n"
                              L"copy language.ini language.ini\r\ncopy norva.exe norva.exe\r\n"
                              L"copy " +
                              from + L" language\\" + from + L"\r\nmkwlist\r\n"));
    put("language.cf",
        cp1251(L"French,french,0," + longName + L"\r\n" + from + L"\r\n" + to + L"\r\n"));
    put("language.ini", "[Dictionary]\r\nLanguage=russiancyr\r\n");
    writeFile(dist / from, recordsBytes({{"chat", cp1251(L"кот")}, {"chien", cp1251(L"собака")}}));
    fs::copy_file(driver::binFolder() + L"norva.exe", dist / "norva.exe");
    const fs::path folder = scratch.path() / L"Словарь";

    driver::Program& install = startInstall(L"/quiet \"/dir=" + folder.wstring() + L"\"");
    ASSERT_EQ(driver::waitForExit(install, 60000), 0);
    EXPECT_TRUE(fs::exists(folder / L"language" / from));
    EXPECT_EQ(readFile(folder / L"language" / to),
              recordsBytes({{cp1251(L"кот"), "chat"}, {cp1251(L"собака"), "chien"}}));
    EXPECT_NE(readFile(folder / "ravidi.ini").find("\r\n[selected]\r\n" + cp1251(from) + "\r\n"),
              std::string::npos);

    // The program opens its dictionary by the same name: it starts.
    started.push_back(driver::start(driver::binFolder() + L"norva.exe", L"", folder.wstring()));
    HWND main = driver::waitForWindow(started.back(), L"norva", 15000);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(driver::windowText(main), L"Словарь");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(driver::waitForExit(started.back(), 15000), 0);

    // Without it, the program names the file as it is named on disk.
    fs::remove(folder / L"language" / from);
    started.push_back(driver::start(driver::binFolder() + L"norva.exe", L"", folder.wstring()));
    driver::MessageBoxSeen box;
    ASSERT_TRUE(driver::waitForMessageBox(started.back(), box, 15000));
    EXPECT_NE(box.text.find(L"language\\" + from), std::wstring::npos) << narrow(box.text);
    driver::press(box.dialog, IDOK);
    // The program ends, or goes on with the pair whose dictionary is there:
    // either way it is closed before its win.ini keys are removed.
    if (HWND again = driver::waitForWindow(started.back(), L"norva", 3000))
        PostMessageW(again, WM_CLOSE, 0, 0);
    driver::waitForExit(started.back(), 15000);
    WriteProfileStringA("Dictionary", nullptr, nullptr);
}

// "c:" is the root of drive C, not the folder current on it (the
// distribution folder, where install.exe runs; the scratch folder is on C:).
TEST_F(InstallE2E, DriveLetterAloneIsTheDrivesRoot) {
    const std::string folder = "norva-root-test";
    put("install.inf", "mkdir " + folder + "\r\ncopy a.txt " + folder + "\\a.txt\r\n");
    put("a.txt", "at the root");
    ASSERT_EQ(_wcsicmp(dist.root_name().c_str(), L"c:"), 0);
    std::error_code ignored;
    fs::remove_all("c:\\" + folder, ignored);
    driver::Program& install = startInstall(L"/quiet /dir=c:");
    EXPECT_EQ(driver::waitForExit(install, 30000), 0);
    EXPECT_EQ(test::readBytes("c:\\" + folder + "\\a.txt"), "at the root");
    EXPECT_FALSE(fs::exists(dist / folder));
    fs::remove_all("c:\\" + folder, ignored);
}

}  // namespace
