#pragma once
// The configuration dialog: five pages of settings (program, scene, graphics, sound,
// effects). Save applies every page, writes config.conf and closes; cancel, Esc and the
// close box discard the pages. The help link asks whether to open the help on the web (yes)
// or the local copy (no, Esc).
#include <memory>

#include "dialogs/dialog_frame.h"

class ConfigPage;
class Language;

class ConfigDialog : public DialogFrame {
public:
  static constexpr int saveId = 0;
  static constexpr int cancelId = 1;
  static constexpr LPARAM helpTarget = 2;  // the help link's MSG_LINK_CLICKED value

  // Builds and shows the dialog with the program page in front. Allocate with new: the
  // dialog deletes itself when its window goes. The graphics page asks the GL context of
  // the calling thread for the texture sizes.
  ConfigDialog();
  ~ConfigDialog() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::unique_ptr<Language> configTexts;   // "Windows" -> "Config"
  std::unique_ptr<Language> generalTexts;  // "Windows" -> "General"
  std::unique_ptr<Language> helpTexts;     // "Windows" -> "Help"
  // Program, scene, graphics, sound, effects: child windows, deleted with their windows.
  ConfigPage* pages[5] = {};
  HWND saveButton = nullptr;
  HWND cancelButton = nullptr;
  LinkWindow* helpLink = nullptr;

private:
  // Applies the pages in order, saves the settings (telling the user when that fails) and
  // closes the dialog.
  void save();
};
