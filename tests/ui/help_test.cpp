// Help: without the old help file the HTML page of the same name is handed
// to the shell, with the keyword as its anchor.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "help.h"
#include "installation.h"
#include "testsupport.h"
#include "uilanguage.h"

namespace {

TEST(HelpPage, NameAndAnchor) {
    EXPECT_EQ(helpPageFor(L"dict.hlp", nullptr), L"dict.htm");
    EXPECT_EQ(helpPageFor(L"Ravidi.hlp", L"add words"), L"Ravidi.htm#add words");
    EXPECT_EQ(helpPageFor(L"wbuch", nullptr), L"wbuch.htm");
}

// What the stand-in xdg-open of the test run recorded, waiting a little
// for the shell to hand the page over.
std::string openedPages(const std::string& log) {
    for (int i = 0; i < 100; ++i) {
        std::ifstream in(log);
        std::stringstream s;
        s << in.rdbuf();
        if (!s.str().empty()) return s.str();
        Sleep(100);
    }
    return "";
}

TEST(HelpPage, OpenedWithTheShellWhenThereIsNoHelpFile) {
    char log[MAX_PATH] = {};
    REQUIRE_FIXTURE(GetEnvironmentVariableA("NORVA_XDG_LOG", log, MAX_PATH) != 0,
                    "the stand-in browser of scripts/test.sh, which records what the shell opens");
    std::string unixLog = log;
    // The log is a Unix path; Wine sees it on drive Z:.
    std::string windowsLog = "Z:" + unixLog;
    for (char& c : windowsLog)
        if (c == '/') c = '\\';
    DeleteFileA(windowsLog.c_str());
    test::ScratchFolder folder;
    test::prepareInstallation({});
    ASSERT_TRUE(readUiLanguage());
    test::writeBytes("dict.htm", "<html><body>help</body></html>");
    openHelp(nullptr, nullptr);
    std::string opened = openedPages(windowsLog);
    EXPECT_NE(opened.find("dict.htm"), std::string::npos) << opened;
}

}  // namespace
