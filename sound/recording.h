// recording.h — the recorder's sound device: MCI command strings to the
// waveaudio device "mysound", each failure reported, and a finished
// recording put in place of its pronunciation file.
#pragma once

#include <windows.h>

#include <string>

#include "filepath.h"

// Sends one command string, asking for no return text and no notification.
// On failure: the warning beep and the "MCI Error" box with the platform's
// text. Returns whether the command succeeded.
bool mciCommand(const std::string& command);

// Opens a new recording and starts it; when the device cannot be opened,
// "Can't open new sound   " follows the error, and "record" is sent anyway.
void startRecording();

// Stops the running recording and keeps it as `file`, replacing the file
// that was there. False when it was not kept (each failure reported).
bool keepRecording(const FilePath& file);

// Stops the running recording and keeps nothing of it.
void discardRecording();

// The same, at a time when no message may be shown (the window is already
// going): failures are passed over.
void discardRecordingQuietly();

// Creates "sound" and the language's folder in it, each if missing.
void makePronunciationFolders(const std::string& language, unsigned languageCodePage);
