#pragma once
// The small borderless window that shows, while photos load, the program picture, a status
// line, a progress bar and, for a wait the user may end, a cancel button. It belongs to the thread that creates it, which must also pump its
// messages and destroy it; setStatus and the bar messages may come from any thread.
#include <atomic>
#include <memory>
#include <string>

#include "platform/window_base.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/status_text.h"

class Language;

class ProgressWindow : public WindowBase {
public:
  // Builds and shows the window (bar idling over positions 0-4 every 100 ms, status = the
  // "Progress" text), then hands the activation back to the main window. With `cancel` (which
  // must outlive the window) a cancel button sets it. Allocate with new; the object deletes
  // itself when its window is destroyed.
  explicit ProgressWindow(std::atomic<bool>* cancel = nullptr);
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
  std::unique_ptr<Language> texts;  // "Windows" -> "Progress"
  DialogLayout layout;  // width, height and the window's content in 96-dpi units, at its DPI

private:
  void paint();
  char status[statusCapacity] = {};
  mutable CRITICAL_SECTION statusLock;  // guards `status` between loader and painter
};
