#pragma once
// What every window of Ovix shares with the main window, whichever subsystem creates it: the
// module handle, the main window's handle, the last mouse position and Ovix's own messages.
#include <windows.h>

#include <atomic>

// The module (for classes, icons and dialogs) and the main window (owner of every dialog and
// the target of shell calls). Set by the entry function and the application's start-up. The
// main window is published atomically: the update thread waits for it to own its notice.
extern HINSTANCE instance;
extern std::atomic<HWND> mainWindow;

// Last mouse position in the main window's client area, in pixels.
extern unsigned mouseX, mouseY;

// From a link control to the window it notifies; lParam is the link's target.
constexpr UINT MSG_LINK_CLICKED = 0x8001;
// From a message box to its owner when answered (lParam: 2 yes, 3 no or Esc); it ends Ovix when
// the owner is the main window.
constexpr UINT MSG_BOX_ANSWER = 0x8002;
