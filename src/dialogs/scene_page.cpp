#include "dialogs/scene_page.h"

#include <string>

#include "dialogs/config_values.h"
#include "structure/settings.h"

ScenePage::ScenePage(const DialogFrame& dialog)
    : ConfigPage(dialog, "Scene Config", "Scene") {
  namesBox = addCheckBox("photo_tips", 6, 10, width - 24, 0, settings.photoNames);
  intervalField = addField(std::to_string(settings.flipTime / 100).c_str(), 160, 35, 30, 18);
  intervalArrows = addArrows(193, 34);
}

ScenePage::~ScenePage() = default;

void ScenePage::apply() {
  settings.photoNames = isTicked(namesBox);
  settings.flipTime = fieldNumber(intervalField) * 100;
}

LRESULT ScenePage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_VSCROLL && reinterpret_cast<HWND>(lParam) == intervalArrows) {
    const int code = LOWORD(wParam);
    if (code == SB_LINEUP || code == SB_LINEDOWN)
      setFieldNumber(intervalField, stepInterval(fieldNumber(intervalField), code == SB_LINEUP));
    return 0;
  }
  return ConfigPage::handleMessage(message, wParam, lParam);
}

void ScenePage::paint(HDC dc) { drawPageText(dc, 6, 38, "interval"); }
