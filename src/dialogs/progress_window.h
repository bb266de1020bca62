#pragma once
// The small borderless window that shows, while photos load, the program picture, a status
// line, a progress bar and, for a wait the user may end, a cancel button. It belongs to the
// thread that creates it, which must also pump its messages and destroy it; setStatus and the
// bar messages may come from any thread.
#include <atomic>
#include <string>

#include "platform/window_base.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/gdi_objects.h"
#include "dialogs/status_text.h"

// What the progress window takes from the settings and the language file. The window is built
// on a thread of its own, which must not read the settings, so this is copied on the thread
// that asks for the window.
struct ProgressLook {
  WindowLook windowLook;
  std::string status;  // the first status line: "Windows" -> "Progress" -> "text"
  std::string cancel;  // the cancel button: "Windows" -> "General" -> "cancel"
};

// The look and texts as the settings give them now; the cancel text only when `cancellable`
// (each text costs a read of the language file, and the main thread waits meanwhile). Main
// thread only.
ProgressLook progressLook(bool cancellable);

class ProgressWindow : public WindowBase {
public:
  // Builds and shows the window in `look` (bar idling over positions 0-4 every 100 ms, status =
  // look.status), then hands the activation back to the main window. With `cancel` (which
  // must outlive the window) a cancel button sets it. Reads no settings. Allocate with new; the
  // object deletes itself when its window is destroyed.
  explicit ProgressWindow(const ProgressLook& look, std::atomic<bool>* cancel = nullptr);
  // Stops the idle timer if it still runs and makes the main window active again.
  ~ProgressWindow() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Shows `text` as the status line, shortened to 17 characters and "..." when longer than 18,
  // and redraws. Safe from any thread.
  void setStatus(const char* text);
  // A copy of the status line as it is shown. Safe from any thread.
  std::string statusText() const;
  // Ends the idle animation so the bar can show real progress: kills the timer, clears
  // `animated` and removes the marquee style. On the creating thread only.
  void stopAnimation();

  bool animated = false;
  HWND bar = nullptr;
  HWND cancelButton = nullptr;  // only with a cancel flag
  std::atomic<bool>* cancel = nullptr;
  DialogLayout layout;  // width, height and the window's content in 96-dpi units, at its DPI

private:
  void paint();
  GdiObject<HFONT> statusFont;  // the status line's, at the window's DPI
  GdiObject<HPEN> framePen;
  GdiObject<HBITMAP> picture;   // the program picture, read once
  char status[statusCapacity] = {};
  mutable CRITICAL_SECTION statusLock;  // guards `status` between loader and painter
};
