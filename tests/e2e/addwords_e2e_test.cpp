// The add-words window of the real norva.exe driven from outside: words
// added reach both dictionaries, sorted when the window closes, and a
// missing reverse dictionary ends the program with the added words sorted.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver.h"
#include "ids.h"
#include "installation.h"
#include "testsupport.h"

namespace {

class AddWordsE2E : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    driver::Program norva;
    HWND main = nullptr, window = nullptr;

    void SetUp() override { WriteProfileStringA("Dictionary", nullptr, nullptr); }
    void TearDown() override {
        if (norva.process) driver::waitForExit(norva, 0);
        WriteProfileStringA("Dictionary", nullptr, nullptr);
    }
    void start() {
        test::prepareInstallation({});
        test::writeWordFile("language\\Fre_Eng.wb",
                            {{"chat", "cat"}, {"chien", "dog"}, {"maison", "house"}});
        test::writeWordFile("language\\Eng_Fre.wb",
                            {{"cat", "chat"}, {"dog", "chien"}, {"house", "maison"}});
    }
    void run() {
        norva = driver::start(driver::binFolder() + L"norva.exe", L"", folder.path().wstring());
        main = driver::waitForWindow(norva, L"norva", 15000);
        ASSERT_NE(main, nullptr);
        SendMessageW(main, WM_COMMAND, IDM_ADD_WORDS, 0);
        window = driver::waitForWindow(norva, L"toevoeg", 15000);
        ASSERT_NE(window, nullptr);
    }
    void confirm(const wchar_t* headword, const wchar_t* translation) {
        HWND source = GetDlgItem(window, IDC_SEARCH_FIELD),
             target = GetDlgItem(window, IDC_TEXT_BOX);
        SendMessageW(source, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(headword));
        SendMessageW(source, WM_KEYDOWN, VK_RETURN, 0);
        SendMessageW(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(translation));
        SendMessageW(target, WM_KEYDOWN, VK_RETURN, 0);
    }
    void pressDone() {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_DONE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_DONE)));
    }
    static std::vector<test::Entry> entries(const std::string& path) {
        std::vector<test::Entry> out;
        for (const WordRecord& r : test::readRecords(path))
            out.push_back({headwordOf(r), translationOf(r)});
        return out;
    }
};

TEST_F(AddWordsE2E, AddedWordsReachBothDirectionsSorted) {
    start();
    run();
    confirm(L"dinde", L"turkey, hen");
    confirm(L"chien", L"dog, hound");
    pressDone();
    for (int i = 0; i < 150 && (IsWindow(window) || !IsWindowVisible(main)); ++i) Sleep(100);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(main));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(driver::waitForExit(norva, 15000), 0);
    EXPECT_EQ(entries("language\\Fre_Eng.wb"), (std::vector<test::Entry>{{"chat", "cat"},
                                                                         {"chien", "dog, hound"},
                                                                         {"dinde", "turkey, hen"},
                                                                         {"maison", "house"}}));
    EXPECT_EQ(entries("language\\Eng_Fre.wb"), (std::vector<test::Entry>{{"cat", "chat"},
                                                                         {"dog", "chien"},
                                                                         {"hen", "dinde"},
                                                                         {"hound", "chien"},
                                                                         {"house", "maison"},
                                                                         {"turkey", "dinde"}}));
    EXPECT_EQ(entries("new\\French_English.wb"),
              (std::vector<test::Entry>{{"dinde", "turkey, hen"}}));
}

TEST_F(AddWordsE2E, MissingReverseDictionaryEndsTheProgramWithTheAddedWordsSorted) {
    start();
    std::filesystem::remove("language/Eng_Fre.wb");
    run();
    HWND source = GetDlgItem(window, IDC_SEARCH_FIELD), target = GetDlgItem(window, IDC_TEXT_BOX);
    SendMessageW(source, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abeille"));
    SendMessageW(source, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"bee"));
    PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0);  // does not return: the program ends
    driver::MessageBoxSeen box;
    ASSERT_TRUE(driver::waitForMessageBox(norva, box, 15000));
    EXPECT_EQ(box.text, L"Can't open language\\Eng_Fre.wb   \n\nProgram aborted");
    EXPECT_EQ(box.caption, L"Dictionary");
    driver::press(box.dialog, IDOK);
    EXPECT_EQ(driver::waitForExit(norva, 15000), 1);
    EXPECT_EQ(entries("language\\Fre_Eng.wb").front(), (test::Entry{"abeille", "bee"}));
}

}  // namespace
