#pragma once
// The configuration dialog's program page: language, sub-folders, window position, full
// screen, the update check and the scene's background colour.
#include "dialogs/config_page.h"

class ProgramPage : public ConfigPage {
public:
  static constexpr int chooseId = 4;  // the background colour button

  explicit ProgramPage(const DialogFrame& dialog);
  ~ProgramPage() override;

  // Language, the four check boxes, then the scene's clear colour from the background
  // settings (which the colour menu has already set).
  void apply() override;
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Stores the colour of colour menu command `command` (1-11) in the background settings
  // and redraws the square; 0, a dismissed menu, and unknown commands keep the colour.
  void chooseColour(int command);

  std::unique_ptr<Language> generalTexts;  // "Windows" -> "General": the button text
  HWND languageList = nullptr;
  HWND subFoldersBox = nullptr;
  HWND positionBox = nullptr;
  HWND fullScreenBox = nullptr;
  HWND updateBox = nullptr;
  HWND chooseButton = nullptr;

protected:
  void paint(HDC dc) override;

private:
  // Shows the colour menu at the button's top-right corner; the chosen command, 0 when none.
  int trackColourMenu();
};
