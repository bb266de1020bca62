#pragma once
// The configuration dialog's effects page: the transition effect and its description.
#include "dialogs/config_page.h"

class EffectsPage : public ConfigPage {
public:
  explicit EffectsPage(const DialogFrame& dialog);
  ~EffectsPage() override;

  // "effect" from the list's entry; unchanged when nothing is selected.
  void apply() override;
  // A new selection in the list shows that effect's description.
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::unique_ptr<Language> effectNames;  // the top-level "Effects" section
  HWND effectList = nullptr;
  HWND description = nullptr;

protected:
  void paint(HDC dc) override;

private:
  void describe(LRESULT entry);
};
