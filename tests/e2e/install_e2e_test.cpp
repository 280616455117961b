// install.exe run from outside on a prepared distribution, unattended: the
// files it copies, the reverse list, the settings file, the win.ini value and
// the shortcut read back through the shell's link object.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "driver.h"
#include "testsupport.h"

namespace {

std::string programsFolder() {
    char path[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, path, CSIDL_PROGRAMS, FALSE);
    return path;
}

class InstallE2E : public ::testing::Test {
protected:
    test::ScratchFolder folder;
    void SetUp() override {
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        test::makeFolders("dist\\language");
        test::writeWordFile("dist\\language\\French_English.wb",
                            {{"chat", "cat"}, {"chien", "dog, hound"}, {"loup", "wolf"}});
        test::writeBytes("dist\\readme.txt", "read me");
        test::writeBytes("dist\\French.ico", "not really an icon");
        test::writeBytes("dist\\language.cf",
                         "# the pairs\r\nFrench,french,0,French\r\nFrench_English.wb\r\nEnglish_French.wb\r\n");
        test::writeBytes("dist\\install.inf",
                         "title norva test\r\ndir c:\\norva\r\nwbarg wb French\r\n"
                         "mkdir language\r\nmkdir icons\r\niconname norva test\r\nicongroup norva tests\r\n"
                         "iconexe norva.exe\r\navidelay 1500\r\nmkwlist\r\n"
                         "copy readme.txt readme.txt\r\ncopy language.cf language.cf\r\n"
                         "copy language\\French_English.wb language\\French_English.wb\r\n"
                         "xcopy *.ico icons\r\ncopy\r\n");
    }
    void TearDown() override { WriteProfileStringA("Dictionary", nullptr, nullptr); }
    int install(const std::wstring& arguments) {
        driver::Program p = driver::start(driver::binFolder() + L"english\\install.exe", arguments,
                                          (folder.path() / "dist").wstring());
        return driver::waitForExit(p, 60000);
    }
};

TEST_F(InstallE2E, UnattendedInstallation) {
    std::wstring target = (folder.path() / "installed").wstring();
    ASSERT_EQ(install(L"/quiet \"/dir=" + target + L"\""), 0);
    EXPECT_EQ(test::readBytes("installed\\readme.txt"), "read me");
    EXPECT_EQ(test::readBytes("installed\\icons\\French.ico"), "not really an icon");
    EXPECT_FALSE(std::filesystem::exists("installed/language.cf"));  // processed and removed
    std::vector<WordRecord> reverse = test::readRecords("installed\\language\\English_French.wb");
    ASSERT_EQ(reverse.size(), 4u);  // cat, dog, hound, wolf
    EXPECT_STREQ(reverse[0].headword, "cat");
    EXPECT_STREQ(reverse[1].headword, "dog");
    EXPECT_STREQ(reverse[1].translation, "chien");
    EXPECT_EQ(test::readBytes("installed\\dict.ini"),
              "# --- dict.ini --------------------------------------------------\r\n\r\n"
              "[AddNew]\r\non\r\n\r\n[selected]\r\nFrench_English.wb\r\n\r\n[language]\r\n"
              "French,french,0,French\r\n\r\n\r\n"
              "# --- EOF --------------------------------------------------------\r\n");
    char delay[16] = {};
    GetProfileStringA("Dictionary", "EnglishAviDelay", "", delay, sizeof delay);
    EXPECT_STREQ(delay, "1500");

    std::string linkFile = programsFolder() + "\\norva tests\\norva test.lnk";
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(&link))));
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    wchar_t widePath[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, widePath, MAX_PATH);
    ASSERT_TRUE(SUCCEEDED(file->Load(widePath, STGM_READ)));
    char path[MAX_PATH] = {}, arguments[MAX_PATH] = {}, working[MAX_PATH] = {};
    link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
    link->GetArguments(arguments, MAX_PATH);
    link->GetWorkingDirectory(working, MAX_PATH);
    std::string installed = (folder.path() / "installed").string() + "\\";
    EXPECT_EQ(std::string(path), installed + "norva.exe");
    EXPECT_STREQ(arguments, "wb French");
    EXPECT_EQ(std::string(working), installed);
    file->Release();
    link->Release();
    CoUninitialize();
    DeleteFileA(linkFile.c_str());
}

TEST_F(InstallE2E, InvalidFolderIsReportedInTheLog) {
    EXPECT_EQ(install(L"/quiet /dir=Q:\\no\\such\\folder"), 1);
    EXPECT_NE(test::readBytes("dist\\install.log").find("Invalid Directory"), std::string::npos);
}

TEST_F(InstallE2E, MissingScriptEndsWithOne) {
    std::filesystem::remove("dist/install.inf");
    EXPECT_EQ(install(L"/quiet /dir=c:\\x"), 1);
}

}  // namespace
