#pragma once
// One page of the configuration dialog: a tab page that shows settings in its controls when
// built and copies them back into the settings record only when asked to apply.
#include <memory>

#include "dialogs/dialog_page.h"
#include "structure/language.h"

class ConfigPage : public DialogPage {
public:
  // Creates the page window of class `className` in `dialog` and opens the page's texts, the
  // section "Windows" -> "Config" -> `section`.
  ConfigPage(const DialogFrame& dialog, const char* className, const char* section);

  // Copies the page's controls into the settings record, without saving.
  virtual void apply() = 0;

  // A click on any of the page's check boxes toggles its tick; the rest is DialogPage's.
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::unique_ptr<Language> texts;

protected:
  // A manual check box labelled with the page text `key`, ticked when `ticked`.
  HWND addCheckBox(const char* key, int x, int y, int boxWidth, int id, bool ticked);
  // A drop-down list; `dropHeight` includes the dropped-down entries.
  HWND addDropList(int x, int y, int listWidth, int dropHeight);
  // A read-only edit with client edge showing `text`.
  HWND addField(const char* text, int x, int y, int fieldWidth, int fieldHeight);
  // The up and down arrows beside a field: a vertical scroll bar control.
  HWND addArrows(int x, int y);
  // Draws the page text `key` at (x, y) as a label.
  void drawPageText(HDC dc, int x, int y, const char* key);
};

// Whether a check box is ticked.
bool isTicked(HWND box);
// The decimal number a field shows (0 for none).
int fieldNumber(HWND field);
// Shows `number` in decimal in the field.
void setFieldNumber(HWND field, int number);
