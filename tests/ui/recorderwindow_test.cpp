// The recorder opened from the real main window in record mode and driven
// with its keys, recording from the session's PulseAudio null sink: the
// files it leaves, the positions it keeps, the words it will not save.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "appsettings.h"
#include "controltable.h"
#include "ids.h"
#include "installation.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "pump.h"
#include "recorderwindow.h"
#include "startup.h"
#include "testsupport.h"
#include "toolwindow.h"
#include "windowtext.h"

namespace {

struct Box {
    std::wstring text, caption;
    UINT flags;
};
std::vector<Box> boxes;
int recordBox(HWND, const std::wstring& text, const std::wstring& caption, UINT flags) {
    boxes.push_back({text, caption, flags});
    return IDOK;
}

// What a wave file says of itself: the canonical 44-byte header the device
// writes (format, channels, rate, bits) and the length of its data.
struct WaveFile {
    bool valid = false;
    unsigned format = 0, channels = 0, rate = 0, bits = 0, dataBytes = 0;
};
WaveFile readWave(const std::filesystem::path& path) {
    WaveFile w;
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return w;
    unsigned char h[44] = {};
    const size_t headerBytes = std::fread(h, 1, sizeof h, f);
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fclose(f);
    auto u16 = [&](int at) { return unsigned(h[at] | h[at + 1] << 8); };
    auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    w = {headerBytes == 44 && !std::memcmp(h, "RIFF", 4) && !std::memcmp(h + 8, "WAVEfmt ", 8) &&
             !std::memcmp(h + 36, "data", 4) && long(44 + u32(40)) == size,
         u16(20),
         u16(22),
         u32(24),
         u16(34),
         u32(40)};
    return w;
}

// The device's temporary files and their sizes.
std::map<std::wstring, DWORD> deviceFiles() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::map<std::wstring, DWORD> files;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((std::wstring(temp) + L"MCI*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do files[found.cFileName] = found.nFileSizeLow;
    while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

class RecorderTest : public ::testing::Test {
   protected:
    test::ScratchFolder folder;
    HWND recorder = nullptr;

    void SetUp() override {
        REQUIRE_FIXTURE(std::getenv("PULSE_SERVER"), "a PulseAudio server (scripts/test.sh)");
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        boxes.clear();
        setMessageBoxRecorder(recordBox);
    }
    void TearDown() override {
        if (recorder && IsWindow(recorder)) DestroyWindow(recorder);
        if (mainWindow()) DestroyWindow(mainWindow());
        WriteProfileStringA("Dictionary", nullptr, nullptr);
        setMessageBoxRecorder(nullptr);
    }
    void start(const std::vector<test::Entry>& headwords, test::InstallationSetup setup = {}) {
        test::prepareInstallation(setup);
        test::writeWordFile("language\\" + setup.selected, headwords);
        int exitCode = 0;
        ASSERT_TRUE(startProgram("record", SW_SHOWNORMAL, exitCode));
    }
    bool openRecorder() {
        SendMessageW(mainWindow(), WM_COMMAND, IDM_RECORD, 0);
        recorder = FindWindowW(L"record", nullptr);
        return recorder != nullptr;
    }
    // The controls by their place in the one table: the three texts share an id.
    HWND control(int row) {
        const ControlSpec& expected = kRecorderControls[row];
        for (HWND c = GetWindow(recorder, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT r = controlRect(c);
            if (GetDlgCtrlID(c) == expected.id && r.left == expected.x && r.top == expected.y &&
                r.right - r.left == expected.width && r.bottom - r.top == expected.height)
                return c;
        }
        return nullptr;
    }
    std::wstring word() { return windowText(control(0)); }
    std::wstring counter() { return windowText(control(1)); }
    std::wstring status() { return windowText(control(2)); }
    HWND button() { return GetDlgItem(recorder, IDC_RECORD_BUTTON); }
    // A key as the keyboard gives it: through the message queue.
    void press(UINT key) {
        PostMessageW(button(), WM_KEYDOWN, key, 0);
        PostMessageW(button(), WM_KEYUP, key, 0xC0000001);
        pumpUntil([] { return false; }, 0);
    }
    // Space, and the recording runs until it holds some sound: Wine's device
    // records into a new temporary file "MCI*.tmp", which grows past its
    // header when the first sound is written.
    void startRecordingSound() {
        const std::map<std::wstring, DWORD> before = deviceFiles();
        press(VK_SPACE);
        EXPECT_EQ(windowText(button()), L"Stop recording");
        EXPECT_TRUE(pumpUntil(
            [&] {
                for (const auto& file : deviceFiles())
                    if (!before.count(file.first) && file.second > 44) return true;
                return false;
            },
            10000));
    }
    // Space, some sound, Space.
    void recordOne() {
        startRecordingSound();
        press(VK_SPACE);
    }
    int savedIndex(const char* language) {
        return static_cast<int>(
            GetProfileIntA("Dictionary", (std::string("lastrecord_") + language).c_str(), -1));
    }
};

const std::vector<test::Entry> kWords = {{"chat", "cat"}, {"chien", "dog"}, {"oiseau", "bird"}};

TEST_F(RecorderTest, SpaceSpaceSavesTheHeadwordsPronunciationAndShowsTheNextWord) {
    start(kWords);
    ASSERT_TRUE(openRecorder());
    EXPECT_FALSE(IsWindowVisible(mainWindow()));
    RECT r;
    GetWindowRect(recorder, &r);
    EXPECT_EQ(r.right - r.left, 750);
    EXPECT_EQ(r.bottom - r.top, 130);
    EXPECT_EQ(windowText(recorder), L"Record");
    EXPECT_EQ(GetWindowLongW(recorder, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    for (int row = 0; row < 5; ++row) EXPECT_NE(control(row), nullptr) << row;
    EXPECT_EQ(windowText(GetDlgItem(recorder, IDC_DONE)), L"Exit");
    EXPECT_EQ(GetFocus(), button());
    EXPECT_TRUE(std::filesystem::is_directory("sound\\French"));
    EXPECT_EQ(word(), L"chat");
    EXPECT_EQ(counter(), L"Word 1 of 3");

    startRecordingSound();
    EXPECT_EQ(status(), L"RECORDING...");
    SendMessageW(button(), BM_CLICK, 0, 0);  // a click changes nothing
    EXPECT_EQ(status(), L"RECORDING...");
    press(VK_SPACE);
    WaveFile wave = readWave("sound\\French\\chat.wav");
    EXPECT_TRUE(wave.valid);
    EXPECT_EQ(wave.format, 1u);  // PCM in the device's default format
    EXPECT_EQ(wave.rate, 11025u);
    EXPECT_EQ(wave.bits, 8u);
    EXPECT_EQ(wave.channels, 1u);
    EXPECT_GT(wave.dataBytes, 0u);
    EXPECT_EQ(word(), L"chien");
    EXPECT_EQ(counter(), L"Word 2 of 3");
    EXPECT_EQ(status(), L"");
    EXPECT_EQ(windowText(button()), L"Start recording");
    EXPECT_EQ(GetFocus(), button());
    EXPECT_TRUE(boxes.empty());
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::recursive_directory_iterator("sound"))
        left.push_back(e.path().string());
    EXPECT_EQ(left.size(), 2u);  // the folder and the one pronunciation
}

TEST_F(RecorderTest, SpaceBackspaceSpaceReplacesThePreviousWordsPronunciation) {
    start(kWords);
    std::filesystem::create_directories("sound\\French");
    test::writeBytes("sound\\French\\chat.wav", "an older recording");
    ASSERT_TRUE(openRecorder());
    press(VK_RETURN);
    EXPECT_EQ(word(), L"chien");
    startRecordingSound();
    press(VK_BACK);  // the recording goes on under the previous word
    EXPECT_EQ(word(), L"chat");
    EXPECT_EQ(status(), L"RECORDING...");
    press(VK_SPACE);
    EXPECT_TRUE(readWave("sound\\French\\chat.wav").valid);
    EXPECT_FALSE(std::filesystem::exists("sound\\French\\chien.wav"));
    EXPECT_EQ(word(), L"chien");
    press(VK_BACK);
    press(VK_BACK);  // not before the first word
    EXPECT_EQ(word(), L"chat");
    EXPECT_EQ(counter(), L"Word 1 of 3");
}

TEST_F(RecorderTest, TheEndOfTheListTakesNoRecording) {
    start(kWords);
    ASSERT_TRUE(openRecorder());
    press(VK_RETURN);
    press(VK_RETURN);
    EXPECT_EQ(counter(), L"Word 3 of 3");
    press(VK_SPACE);  // recording the last word, then Enter past it
    press(VK_RETURN);
    EXPECT_EQ(word(), L"*** END OF LIST ***");
    EXPECT_EQ(counter(), L"Word 3 of 3");
    EXPECT_EQ(status(), L"RECORDING...");
    press(VK_SPACE);  // no word is shown: the recording is not kept
    EXPECT_EQ(windowText(button()), L"Start recording");
    EXPECT_EQ(status(), L"");
    press(VK_SPACE);  // and none starts
    EXPECT_EQ(status(), L"");
    press(VK_RETURN);
    press(VK_BACK);
    EXPECT_EQ(word(), L"oiseau");
    EXPECT_TRUE(std::filesystem::is_empty("sound\\French"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(RecorderTest, ThePositionResumesPerHeadwordLanguage) {
    start(kWords);
    ASSERT_TRUE(openRecorder());
    press(VK_RETURN);
    press(VK_RETURN);
    SendMessageW(GetDlgItem(recorder, IDC_DONE), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(recorder));
    EXPECT_TRUE(IsWindowVisible(mainWindow()));
    EXPECT_EQ(appSettings.toolWindowOpen, 0);
    EXPECT_EQ(savedIndex("French"), 2);

    SendMessageW(mainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 190));  // English-French
    ASSERT_TRUE(openRecorder());
    EXPECT_EQ(word(), L"one");  // the other direction has its own position
    EXPECT_EQ(counter(), L"Word 1 of 2");
    press(VK_RETURN);
    SendMessageW(recorder, WM_CLOSE, 0, 0);
    EXPECT_EQ(savedIndex("English"), 1);
    EXPECT_EQ(savedIndex("French"), 2);

    SendMessageW(mainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 120));
    ASSERT_TRUE(openRecorder());
    EXPECT_EQ(word(), L"oiseau");
    EXPECT_EQ(counter(), L"Word 3 of 3");
    SendMessageW(recorder, WM_CLOSE, 0, 0);

    // A position past the end (the dictionary shrank): the end text, and
    // Backspace back to the last word.
    WriteProfileStringA("Dictionary", "lastrecord_French", "40");
    ASSERT_TRUE(openRecorder());
    EXPECT_EQ(word(), L"*** END OF LIST ***");
    EXPECT_EQ(counter(), L"Word 3 of 3");
    press(VK_BACK);
    EXPECT_EQ(word(), L"oiseau");
}

// Closing while recording keeps nothing, and the next recording of the run
// works (a device closed on an unsaved recording broke it under Wine).
TEST_F(RecorderTest, ClosingWhileRecordingKeepsNoFile) {
    start(kWords);
    ASSERT_TRUE(openRecorder());
    press(VK_SPACE);
    SendMessageW(recorder, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(recorder));
    EXPECT_TRUE(std::filesystem::is_empty("sound\\French"));
    EXPECT_EQ(std::filesystem::directory_iterator("sound")->path().filename(), "French");
    EXPECT_EQ(savedIndex("French"), 0);
    ASSERT_TRUE(openRecorder());
    recordOne();
    EXPECT_TRUE(readWave("sound\\French\\chat.wav").valid);
    EXPECT_TRUE(boxes.empty());
}

// A word that would name a file outside its language's folder is refused
// with one message; a word with a character no file name holds fails as a
// save does. Either way nothing is written and the next word comes.
TEST_F(RecorderTest, WordsThatNameNoFileAreNotSaved) {
    start({{"..\\..\\x", "out"}, {"a?b", "query"}, {"ok", "fine"}});
    ASSERT_TRUE(openRecorder());
    recordOne();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"Error");
    EXPECT_NE(boxes[0].text.find(L"..\\..\\x"), std::wstring::npos);
    EXPECT_EQ(word(), L"a?b");
    EXPECT_EQ(status(), L"");
    recordOne();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].caption, L"MCI Error");
    EXPECT_FALSE(boxes[1].text.empty());
    EXPECT_EQ(word(), L"ok");
    recordOne();
    EXPECT_EQ(boxes.size(), 2u);
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator("."))
        if (e.path().extension() == ".wav") files.push_back(e.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], std::filesystem::path(".\\sound\\French\\ok.wav"));
}

// A Russian headword's pronunciation carries its Cyrillic name.
TEST_F(RecorderTest, ANonAsciiHeadwordNamesItsFileInUnicode) {
    test::InstallationSetup setup;
    setup.items = {"Russian,russian,204"};
    setup.selected = "Rus_Eng.wb";
    start({{"\xE6\xF3\xEA", "beetle"}}, setup);  // "жук" in code page 1251
    ASSERT_TRUE(openRecorder());
    EXPECT_EQ(word(), L"\u0436\u0443\u043A");
    recordOne();
    EXPECT_TRUE(readWave(L"sound\\Russian\\\u0436\u0443\u043A.wav").valid);
    EXPECT_EQ(word(), L"*** END OF LIST ***");
}

}  // namespace
