// fieldoptions.h — what a subclassed field (an edit field, or a push
// button) reports to its window instead of, or before, handling it itself.
//
// Reports reach the parent as WM_COMMAND with the field's control id in the
// low word and one of the notification codes below in the high word; lParam
// is the field. Which key was reported is asked with reportedKey().
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// A listed key went down; the field never sees the key (nor its character
// or release, so Enter does not beep and Space does not press a button).
constexpr WORD kFieldKeyNotification = 0x601;
// Any other key was released; the field handles the release afterwards.
constexpr WORD kFieldKeyReleaseNotification = 0x602;
// The left button was released over the field; the field handles it
// afterwards (the caret already stands where the press put it).
constexpr WORD kFieldClickNotification = 0x603;

struct FieldOptions {
    UINT reportedKeys[4] = {};        // virtual keys reported as kFieldKeyNotification (0 ends)
    bool reportKeyReleases = false;   // kFieldKeyReleaseNotification
    bool reportClicks = false;        // kFieldClickNotification
    bool ignoreRightButton = false;   // no right-button press, no context menu
    bool forwardContextMenu = false;  // the parent gets WM_CONTEXTMENU instead
    unsigned codePage = 0;            // typed characters this code page lacks are refused (0: any)
};

// Installs the options on the field for its lifetime.
void subclassField(HWND field, const FieldOptions& options);

// The key a field is reporting (valid while its WM_COMMAND is handled).
UINT reportedKey(HWND field);

// The code page a subclassed field holds its text in (0 when any).
unsigned fieldCodePage(HWND field);
void setFieldCodePage(HWND field, unsigned codePage);

// Gives a field a font, zero inner margins, and the code page its text is
// held in (what a subclassed field refuses to take, how its text is read).
void giveColumnFont(HWND field, HFONT font, unsigned codePage);

// A field's text as the bytes of its code page, at most `chars` of them.
std::string fieldBytes(HWND field, size_t chars);

// Shows the bytes of the field's code page as its text.
void setFieldBytes(HWND field, const std::string& bytes);
