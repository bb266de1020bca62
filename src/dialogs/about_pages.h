#pragma once
// The four pages of the About dialog.
#include <memory>
#include <string>

#include "dialogs/dialog_page.h"

class Language;

// "Ovix 1.2.0 (build date Mmm dd yyyy)", the credits and a link to the web site.
class DevelopmentPage : public DialogPage {
public:
  explicit DevelopmentPage(const DialogFrame& dialog);
  void paint(HDC dc) override;
};

// Where the newest release is: a link that shows and opens the download page.
class UpdatePage : public DialogPage {
public:
  explicit UpdatePage(const DialogFrame& dialog);
  ~UpdatePage() override;
  void paint(HDC dc) override;
  std::unique_ptr<Language> texts;  // "Windows" -> "About" -> "Update"
};

// The problem report: step one writes the system report with debug.dll and opens it, step two
// opens the web site's problem-report page.
class DebugPage : public DialogPage {
public:
  static constexpr LPARAM stepOne = 1;
  static constexpr LPARAM stepTwo = 2;

  explicit DebugPage(const DialogFrame& dialog);
  ~DebugPage() override;
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::unique_ptr<Language> texts;  // "Windows" -> "About" -> "Debug"
  HWND intro = nullptr;
};

// Thanks, in a read-only text box.
class ThanksPage : public DialogPage {
public:
  explicit ThanksPage(const DialogFrame& dialog);
  ~ThanksPage() override;
  void paint(HDC dc) override;
  std::unique_ptr<Language> texts;  // "Windows" -> "About" -> "Thanks"
  HWND thanks = nullptr;
};

// Step one of the problem report, on the thread whose OpenGL context the report describes:
// loads ./debug.dll, calls its _printSystemInfo, opens logs\debug.txt of the current folder
// through openDocument and unloads the library. Without the library or its export, shows
// Ovix's message box "Nelze najít knihovnu debug.dll" instead.
void runSystemReport();
