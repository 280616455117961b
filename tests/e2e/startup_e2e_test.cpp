// norva.exe started in prepared folders and watched from outside: the
// failures of start-up with their messages and exit codes, a second
// instance, and the exit through the accelerator.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>

#include "driver.h"
#include "installation.h"
#include "testsupport.h"

namespace {

class StartupE2E : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    test::InstallationSetup setup;
    std::deque<driver::Program> started;  // references to its elements stay valid

    void SetUp() override { WriteProfileStringA("Dictionary", nullptr, nullptr); }
    void TearDown() override {
        for (driver::Program& p : started)
            if (p.process) driver::waitForExit(p, 0);
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    driver::Program& startNorva(const std::wstring& arguments = L"") {
        started.push_back(
            driver::start(driver::binFolder() + L"norva.exe", arguments, folder.path().wstring()));
        EXPECT_NE(started.back().process, nullptr);
        return started.back();
    }
    // The program shows one message box and ends with exit code 1.
    void expectFatal(const std::wstring& text, const std::wstring& caption) {
        driver::Program& norva = startNorva();
        driver::MessageBoxSeen box;
        ASSERT_TRUE(driver::waitForMessageBox(norva, box, 15000));
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, caption);
        EXPECT_TRUE(box.hasIcon);
        driver::press(box.dialog, IDOK);
        EXPECT_EQ(driver::waitForExit(norva, 15000), 1);
    }
};

const std::wstring kNoLanguage =
    L"No valid language found in language.ini   \n\nTry installing the program again.";

TEST_F(StartupE2E, MissingLanguageIni) {
    setup.language = "english";
    test::prepareInstallation(setup);
    std::filesystem::remove("language.ini");
    expectFatal(kNoLanguage, L"Error");
}

TEST_F(StartupE2E, UnknownUiLanguage) {
    setup.language = "klingon";
    test::prepareInstallation(setup);
    expectFatal(kNoLanguage, L"Error");
}

TEST_F(StartupE2E, MissingSettingsFile) {
    test::prepareInstallation(setup);
    std::filesystem::remove("dict.ini");
    expectFatal(
        L"INI file not found, Program aborted.\n\nRun the installer again to repair the "
        L"installation.\nThe help pages in the installation folder say how.",
        L"Dictionary");
}

TEST_F(StartupE2E, EmptyLineBeforeTheFirstItem) {
    test::prepareInstallation(setup);
    std::string text = test::settingsText(setup);
    text.replace(text.find("[language]\r\n"), 12, "[language]\r\n\r\n");
    test::writeBytes("dict.ini", text);
    driver::Program& norva = startNorva();
    driver::MessageBoxSeen box;
    ASSERT_TRUE(driver::waitForMessageBox(norva, box, 15000));
    EXPECT_EQ(box.caption, L"Dictionary");
    EXPECT_EQ(box.text.rfind(L"INI file not found, Program aborted.", 0), 0u);
    driver::press(box.dialog, IDOK);
    EXPECT_EQ(driver::waitForExit(norva, 15000), 1);
}

// Only when no pair's dictionary opens does a missing dictionary end the
// program (one missing file is met with another pair: the main window tests).
TEST_F(StartupE2E, NoDictionaryOpensAtAll) {
    test::prepareInstallation(setup);
    for (const char* file : {"Fre_Eng.wb", "Ger_Eng.wb", "Eng_Fre.wb", "Eng_Ger.wb"})
        std::filesystem::remove(std::string("language/") + file);
    expectFatal(L"Can't open language\\Fre_Eng.wb   \n\nProgram aborted", L"Dictionary");
}

TEST_F(StartupE2E, SecondInstanceEndsSilentlyAndClosingEndsTheFirst) {
    test::prepareInstallation(setup);
    driver::Program& first = startNorva();
    HWND main = driver::waitForWindow(first, L"norva", 15000);
    ASSERT_NE(main, nullptr);
    driver::Program& second = startNorva();
    EXPECT_EQ(driver::waitForExit(second, 15000), 1);
    EXPECT_TRUE(IsWindow(main));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(driver::waitForExit(first, 15000), 0);
    char value[16] = {};
    GetProfileStringA("Dictionary", "StayOnTop", "(none)", value, sizeof value);
    EXPECT_STREQ(value, "0");
}

}  // namespace
