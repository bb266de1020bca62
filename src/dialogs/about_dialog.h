#pragma once
// The About dialog: who makes Ovix and which build this is, where the newest release lives,
// the two steps of a problem report, and thanks. It always opens on its first page.
#include <memory>

#include "dialogs/dialog_frame.h"

class Language;

class AboutDialog : public DialogFrame {
public:
  static constexpr int cancelId = 0;

  // Builds and shows the dialog with its four pages. Allocate with new; it deletes itself when
  // its window goes.
  AboutDialog();
  ~AboutDialog() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::unique_ptr<Language> aboutTexts;    // "Windows" -> "About"
  std::unique_ptr<Language> generalTexts;  // "Windows" -> "General"
  HWND pages[4] = {};                      // development, update, debug, thanks
  HWND cancelButton = nullptr;
};
