// toolwindow.h — the conventions every tool window of the program follows.
//
// A tool window registers its class once (program icon, arrow, light grey),
// is created centred on the screen, becomes top-most by the setting and
// moves to its saved position in its creation handler, and on closing
// records its position, shows the main window again and lets another tool
// window open. The windows opened from the main window hide it while they
// are open; only one of them is open at a time.
#pragma once

#include <windows.h>

#include <string>

#include "appsettings.h"

// The main window, once it exists: the owner of program-wide message boxes,
// hidden while a tool window is open.
void setMainWindow(HWND window);
HWND mainWindow();

struct ToolWindowLayout {
    const wchar_t* className;
    std::wstring title;
    DWORD style;
    int outerWidth;
    int outerHeight;             // without caption and menu bar when addFrameHeights is set
    bool addFrameHeights;        // outer height = outerHeight + caption + menu-bar height
    std::wstring menuName = {};  // resource name of the window's menu; empty: none
};

// Registers a window class with the program's conventions (once per class);
// the menu, when named, is the class menu of its windows.
bool registerToolClass(const wchar_t* className, WNDPROC windowProc,
                       const wchar_t* menuName = nullptr);

// Creates the window centred on the screen, shows it and paints it at once.
HWND createToolWindow(const ToolWindowLayout& layout, void* createParam = nullptr);

// For the windows opened from the main window: another tool window is
// open (nothing happens, null), or the window is created and the main window
// hidden. The class must be registered.
HWND openToolWindow(const ToolWindowLayout& layout, void* createParam = nullptr);

// For the creation handler: top-most by the setting, then the saved position.
void placeToolWindow(HWND window, PositionKind kind);

// Top-most when stayOnTop is 1, else explicitly not.
void applyStayOnTop(HWND window);

// Records the window's normal left and top, in screen coordinates, as its
// saved position.
void recordPosition(HWND window, PositionKind kind);

// A window's normal position comes in workspace coordinates: offset by the
// distance from the monitor's corner to its work area's (a taskbar at the
// top or the left). This gives the screen coordinates of such a point.
POINT screenFromWorkspace(POINT at, const RECT& monitor, const RECT& work);

// For a tool window opened from the main window, when it is destroyed:
// record the position, show the main window, allow the next tool window.
void finishToolWindow(HWND window, PositionKind kind);

// Closes the open tool window, if any, through its own closing sequence (it
// is sent WM_CLOSE): the program's exit runs this first.
void closeOpenToolWindow();

// The top-left corner that centres an outer size on the screen.
POINT centredOnScreen(int outerWidth, int outerHeight);
