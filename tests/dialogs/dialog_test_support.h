#pragma once
// What the dialog tests share: a program folder of their own with a test language, a window
// that records the messages dialogs send to their owner, and screen captures of one window.
#include <windows.h>

#include <string>
#include <vector>

#include "app/window_base.h"
#include "support/harness.h"

// Installed once per test program: sets `instance` and the dialog font, and makes a scratch
// copy of the staged data with languages/test.lang the current directory, with the language
// setting "test". Sections: Windows/Msg, Windows/Progress, Windows/Tabs (with a title),
// Windows/NoTitle (without).
void installDialogEnvironment();
// The folder the test program started in (beside its log), for screenshots.
const std::string& testOutputFolder();

// A hidden top-level window that keeps every MSG_BOX_ANSWER and MSG_LINK_CLICKED it receives
// as (wParam, lParam) pairs.
class MessageRecorder : public WindowBase {
public:
  MessageRecorder();
  ~MessageRecorder() override;
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::vector<std::pair<WPARAM, LPARAM>> received;
};

std::string windowText(HWND window);
// The child of `dialog` with that class and text, or null.
HWND findChild(HWND dialog, const char* className, const char* text);

// The whole window (frame included) as it is on the screen, repainted first; `client` gets
// the client area's offset inside the capture.
bool captureWindow(HWND window, Capture& capture, POINT& client);
// Counts the pixels of the rectangle [x0, x1) x [y0, y1), relative to `origin`, whose colour
// is within `tolerance` of `colour` in every channel.
int countColour(const Capture& capture, POINT origin, int x0, int y0, int x1, int y1,
                COLORREF colour, int tolerance = 0);
