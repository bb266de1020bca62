#pragma once
// The notice of a newer release: its text and "yes" (open the download page, then close) or
// "no". Esc and the close box close it too. Built and served on the update-check thread.
#include <string>

#include "dialogs/dialog_frame.h"

// What the notice takes from the settings and the language file. The notice is built on the
// update-check thread, which must not read the settings, so this is copied on the main thread
// before the check starts.
struct UpdateNotice {
  WindowLook windowLook;
  std::string title;         // "Windows" -> "Update" -> "title": caption and header title
  std::string text;          // "Windows" -> "Update" -> "text"
  std::string yes;           // "Windows" -> "Msg" -> "yes"
  std::string no;            // "Windows" -> "Msg" -> "no"
  std::string downloadPage;  // what "yes" opens: the web site's download page
};

// The notice's look and texts as the settings give them now. Main thread only.
UpdateNotice updateNotice();

class UpdateWindow : public DialogFrame {
public:
  static constexpr int yesId = 0;
  static constexpr int noId = 1;

  // Builds and shows the notice at once from `notice` (copied); reads no settings, so any
  // thread may build it. Allocate with new; the notice deletes itself when closed.
  explicit UpdateWindow(const UpdateNotice& notice);
  ~UpdateWindow() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::string downloadPage;
  HWND messageControl = nullptr;
  HWND yesButton = nullptr;
  HWND noButton = nullptr;
};
