#pragma once
// The notice of a newer release: its text and "yes" (open the download page, then close) or
// "no". Esc and the close box close it too. Built and served on the update-check thread.
#include <memory>
#include <string>

#include "dialogs/dialog_frame.h"

class Language;

class UpdateWindow : public DialogFrame {
public:
  static constexpr int yesId = 0;
  static constexpr int noId = 1;

  // Builds and shows the notice at once; `downloadPage` is what "yes" opens (copied). Allocate
  // with new; the notice deletes itself when closed.
  explicit UpdateWindow(const char* downloadPage);
  ~UpdateWindow() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::unique_ptr<Language> updateTexts;  // "Windows" -> "Update"
  std::unique_ptr<Language> buttonTexts;  // "Windows" -> "Msg"
  std::string downloadPage;
  HWND messageControl = nullptr;
  HWND yesButton = nullptr;
  HWND noButton = nullptr;
};
