// recording.cpp — the waveaudio device driven with MCI command strings.
//
// Every recording is saved under one fixed name in the sound folder and then
// put in place of its pronunciation file in one step:
// - the old pronunciation stays until a new one is whole;
// - a word's name in any code page reaches the file system through the wide
//   file functions (Wine's device saves only under names of the system's
//   code page: a Russian word failed on a Western system);
// - a recording thrown away is saved too, and deleted: Wine's device leaves
//   its temporary file behind when it is closed on an unsaved recording.
// The recording format is the device's default for a new recording (11025
// Hz, 8 bits, mono PCM on Windows and Wine alike); no command sets one.
#include "recording.h"

#include <mmsystem.h>
#include <psapi.h>
#include <tlhelp32.h>

#include "files.h"
#include "messagebox.h"
#include "pronunciation.h"
#include "recorderwalk.h"
#include "widetext.h"

namespace {

const char* const kRecordingFile = "sound\\~recording.wav";

// Wine's waveaudio driver records in a thread of its own, which "stop" lets
// go on for a moment: it still writes to the recording and to the device's
// state while "save" and "close" take them apart, and the program crashed.
// The thread is known by its start in the driver's code; a recording has
// stopped when that thread has ended. Windows' own driver is left alone.
HANDLE recordingThread = nullptr;

HANDLE driverRecordingThread() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) return nullptr;
    HMODULE driver = GetModuleHandleW(L"mciwave.dll");
    MODULEINFO image = {};
    if (!driver || !GetModuleInformation(GetCurrentProcess(), driver, &image, sizeof image))
        return nullptr;
    using QueryThread = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryThread>(
        reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "NtQueryInformationThread")));
    if (!query) return nullptr;
    HANDLE threads = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (threads == INVALID_HANDLE_VALUE) return nullptr;
    const auto* begin = static_cast<const char*>(image.lpBaseOfDll);
    HANDLE found = nullptr;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(threads, &entry); more && !found;
         more = Thread32Next(threads, &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId()) continue;
        HANDLE thread =
            OpenThread(THREAD_QUERY_INFORMATION | SYNCHRONIZE, FALSE, entry.th32ThreadID);
        if (!thread) continue;
        const char* start = nullptr;
        constexpr int kStartAddress = 9;  // ThreadQuerySetWin32StartAddress
        if (query(thread, kStartAddress, &start, sizeof start, nullptr) == 0 && start >= begin &&
            start < begin + image.SizeOfImage)
            found = thread;
        else
            CloseHandle(thread);
    }
    CloseHandle(threads);
    return found;
}

void awaitRecordingThread() {
    if (!recordingThread) return;
    WaitForSingleObject(recordingThread, 5000);
    CloseHandle(recordingThread);
    recordingThread = nullptr;
}

void reportMciError(MCIERROR error) {
    wchar_t text[1024] = {};
    if (!mciGetErrorStringW(error, text, 1024) || !text[0])
        swprintf(text, 1024, L"MCI error %lu", static_cast<unsigned long>(error));
    MessageBeep(MB_ICONEXCLAMATION);
    showMessageBox(nullptr, text, L"MCI Error", MB_OK | MB_ICONEXCLAMATION);
}

bool sendCommand(const std::string& command, bool report) {
    MCIERROR error = mciSendStringW(toWide(command, CP_ACP).c_str(), nullptr, 0, nullptr);
    if (error && report) reportMciError(error);
    return error == 0;
}

// Stop, save under the fixed name, close: the one way a recording ends.
bool finishRecording(bool report) {
    sendCommand(mci::kStop, report);
    awaitRecordingThread();
    bool saved = sendCommand(mci::saveCommand(kRecordingFile), report);
    sendCommand(mci::kClose, report);
    return saved;
}

// A recording that cannot take the word's name is reported as the device
// reports a save it cannot make: a name no file can have, or a file that
// cannot be written.
MCIERROR errorOfPlacing(DWORD error) {
    switch (error) {
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND:
        case ERROR_DIRECTORY: return MCIERR_FILE_NOT_FOUND;
        default: return MCIERR_FILE_NOT_SAVED;
    }
}

}  // namespace

bool mciCommand(const std::string& command) { return sendCommand(command, true); }

void startRecording() {
    if (!mciCommand(mci::kOpenNew))
        showMessageBox(nullptr, L"Can't open new sound   ", L"Error", MB_OK);
    if (mciCommand(mci::kRecord)) recordingThread = driverRecordingThread();
}

bool keepRecording(const FilePath& file) {
    if (!finishRecording(true)) return false;
    if (replaceFile(kRecordingFile, file)) return true;
    const DWORD error = GetLastError();
    removeFile(kRecordingFile);
    reportMciError(errorOfPlacing(error));
    return false;
}

void discardRecording() {
    finishRecording(true);
    removeFile(kRecordingFile);
}

void discardRecordingQuietly() {
    finishRecording(false);
    removeFile(kRecordingFile);
}

void makePronunciationFolders(const std::string& language, unsigned languageCodePage) {
    makeFolder("sound");
    std::string folder = pronunciationFolder(language);
    folder.pop_back();  // without its closing "\"
    makeFolder(FilePath(folder, static_cast<int>(languageCodePage)));
}
