#pragma once
// Base of every window object with behaviour of its own, and the shared window procedure.
#include <windows.h>

#include <cstdint>

class WindowBase {
public:
  // Registers the object (without a window yet) in the WindowRegistry.
  WindowBase();
  // Leaves the WindowRegistry. Derived teardowns release what they own first.
  virtual ~WindowBase();

  // Handles one message of this object's window; `handle` is the window.
  virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  int left = 0, top = 0, width = 0, height = 0;  // where a dialog or control creates its window
  const char* name = nullptr;                    // window class name, usually also the title
  HWND handle = nullptr;                         // none until the derived class created its window
  HWND owner = nullptr;                          // owner or parent; none for the main window
};

// The window procedure of every class Ovix registers. Hands each message to the object whose
// `handle` is the message's window, or to DefWindowProcA when there is none. After an
// object's WM_DESTROY has been handled the object is deleted: window objects live exactly as
// long as their windows, and whoever creates a dialog keeps no pointer to it.
LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the class `className` of `moduleInstance` with windowProc as its procedure, the
// given class style and background brush, `cursor` (the arrow when none) and `icon` as both
// large and small icon. Returns true when the class exists afterwards, whether it was
// registered now or before; a new registration does not take `icon` over then.
bool registerWindowClass(HINSTANCE moduleInstance, const char* className, UINT style,
                         HBRUSH background, HCURSOR cursor = nullptr, HICON icon = nullptr);

// What a window takes from the settings when it is built: the dialogs' transparency and the
// control font. The settings record belongs to the main thread, so a window built on another
// thread is handed a copy made on the thread that asked for the window.
struct WindowLook {
  uint8_t opacity = 0;   // percent of transparency, 0-100
  HFONT font = nullptr;  // the control font (the stock default GUI font)
};

// The look the settings give now. Main thread only.
WindowLook settingsLook();

// Makes `window` layered with alpha 255 - opacity * 2.55 when `opacity` is not 0. Stays opaque
// where SetLayeredWindowAttributes is missing.
void applyWindowOpacity(HWND window, uint8_t opacity);
