// toolwindow.h — the conventions every tool window of the program follows.
//
// A tool window registers its class once (norvaicon, arrow, light grey),
// is created centred on the screen, becomes top-most by the setting and moves
// to its saved position in its creation handler, and on closing records its
// position, shows the main window again and lets another tool window open.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "appsettings.h"

// The notification code with which subclassed fields report their keys.
constexpr WORD kFieldKeyNotification = 0x601;

struct ToolWindowLayout {
    const wchar_t* className;
    std::wstring title;
    DWORD style;
    int outerWidth;
    int outerHeight;          // without caption and menu bar when addFrameHeights is set
    bool addFrameHeights;     // outer height = outerHeight + caption + menu bar
    const wchar_t* menuName;  // nullptr: no menu
    HWND owner;
};

// Registers a window class with the program's conventions (once per class);
// the menu, when named, is the class menu of its windows.
bool registerToolClass(const wchar_t* className, WNDPROC windowProc,
                       const wchar_t* menuName = nullptr);

// Creates the window centred on the screen, shows it and paints it at once.
HWND createToolWindow(const ToolWindowLayout& layout, void* createParam = nullptr);

// For the creation handler: top-most by the setting, then the saved position.
void placeToolWindow(HWND window, PositionKind kind);

// Top-most when stayOnTop is 1, else explicitly not.
void applyStayOnTop(HWND window);

// Records the window's normal left and top as its saved position.
void recordPosition(HWND window, PositionKind kind);

// For a tool window opened from the main window, when it closes: record
// the position, show the main window, allow the next tool window.
void finishToolWindow(HWND window, PositionKind kind);

// Makes an edit field report the given virtual keys to its parent as
// WM_COMMAND (id, 0x601) instead of handling them. Enter is also kept from
// the field as a character, so it does not beep.
void reportKeysAsCommands(HWND field, std::initializer_list<UINT> keys);

struct FieldOptions {
    std::initializer_list<UINT> keys;  // reported as WM_COMMAND (id, 0x601)
    bool forwardContextMenu = false;   // the parent gets WM_CONTEXTMENU instead of the field
    unsigned codePage = 0;             // typed characters this code page lacks are refused
};
void subclassField(HWND field, const FieldOptions& options);

// The key a subclassed field is reporting (valid while its WM_COMMAND is handled).
UINT reportedKey(HWND field);

// The code page a subclassed field holds its text in (0 when any).
unsigned fieldCodePage(HWND field);
void setFieldCodePage(HWND field, unsigned codePage);

// The centre of the screen for an outer size.
POINT centredOnScreen(int outerWidth, int outerHeight);
