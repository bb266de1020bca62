#pragma once
// The configuration dialog's scene page: file names with the photos, and the slide interval
// in seconds, moved by arrows and never below 1.
#include "dialogs/config_page.h"

class ScenePage : public ConfigPage {
public:
  explicit ScenePage(const DialogFrame& dialog);
  ~ScenePage() override;

  // "photo_names" from the tick, "flip_time" as the shown seconds times 100.
  void apply() override;
  // WM_VSCROLL from the arrows steps the interval; the rest is ConfigPage's.
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND namesBox = nullptr;
  HWND intervalField = nullptr;
  HWND intervalArrows = nullptr;

protected:
  void paint(HDC dc) override;
};
