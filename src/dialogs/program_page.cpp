#include "dialogs/program_page.h"

#include <cstdio>

#include "dialogs/config_values.h"
#include "dialogs/dialog_frame.h"
#include "dialogs/gdi_objects.h"
#include "glui/scene_colour.h"
#include "structure/settings.h"

namespace {
struct MenuColour {
  const char* key;
  int command;
  uint32_t red, green, blue;
};

// The background colour menu, top to bottom.
const MenuColour menuColours[] = {
    {"red", 1, 214, 60, 60},     {"pink", 3, 253, 69, 177},  {"magneta", 2, 172, 56, 168},
    {"green", 4, 61, 195, 74},   {"yellow", 5, 226, 221, 82}, {"blue", 6, 67, 99, 193},
    {"brown", 7, 97, 77, 56},    {"black", 8, 0, 0, 0},       {"white", 9, 255, 255, 255},
    {"grey", 10, 204, 204, 204}, {"mirvak", 11, 106, 144, 161},
};
}  // namespace

ProgramPage::ProgramPage(const DialogFrame& dialog)
    : ConfigPage(dialog, "Program Config", "Program"),
      generalTexts(openLanguage({"Windows", "General"})) {
  languageList = addDropList(130, 8, 50, 120);
  for (const std::string& name : offeredLanguages(languageNames())) {
    const LRESULT index =
        SendMessageA(languageList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (name == settings.language) SendMessageA(languageList, CB_SETCURSEL, index, 0);
  }
  const int boxWidth = width - 24;
  subFoldersBox = addCheckBox("full_tree", 8, 35, boxWidth, 1, settings.recursive);
  positionBox = addCheckBox("remember_position", 8, 60, boxWidth, 0, settings.lastPosition);
  fullScreenBox = addCheckBox("fullscreen", 8, 85, boxWidth, 2, settings.fullScreen);
  updateBox = addCheckBox("update", 8, 110, boxWidth, 3, settings.checkUpdates);
  chooseButton = addControl("BUTTON", generalTexts->text("choose").c_str(),
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 150, 134, 70,
                            20, chooseId);
  forwardEscape(chooseButton, handle);
}

ProgramPage::~ProgramPage() = default;

void ProgramPage::apply() {
  const LRESULT selected = SendMessageA(languageList, CB_GETCURSEL, 0, 0);
  // Only names that fit the setting are offered, so the entry fits the buffer whole.
  char name[MAX_PATH] = "";
  if (selected != CB_ERR && SendMessageA(languageList, CB_GETLBTEXTLEN, selected, 0) < MAX_PATH) {
    SendMessageA(languageList, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(name));
    std::snprintf(settings.language, sizeof settings.language, "%s", name);
  }
  settings.lastPosition = isTicked(positionBox);
  settings.recursive = isTicked(subFoldersBox);
  settings.fullScreen = isTicked(fullScreenBox);
  settings.checkUpdates = isTicked(updateBox);
  setSceneClearColour(settings.bgRed, settings.bgGreen, settings.bgBlue);  // the scene follows at once
}

LRESULT ProgramPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && wParam == chooseId) {
    chooseColour(trackColourMenu());
    return 0;
  }
  return ConfigPage::handleMessage(message, wParam, lParam);
}

int ProgramPage::trackColourMenu() {
  HMENU menu = CreatePopupMenu();
  if (!menu) return 0;
  for (const MenuColour& colour : menuColours)
    AppendMenuA(menu, MF_STRING, colour.command, texts->text(colour.key).c_str());
  RECT button = {};
  GetWindowRect(chooseButton, &button);
  const int chosen =
      TrackPopupMenu(menu, TPM_RETURNCMD, button.right, button.top, 0, handle, nullptr);
  DestroyMenu(menu);
  return chosen;
}

void ProgramPage::chooseColour(int command) {
  for (const MenuColour& colour : menuColours) {
    if (colour.command != command) continue;
    settings.bgRed = colour.red;
    settings.bgGreen = colour.green;
    settings.bgBlue = colour.blue;
    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void ProgramPage::paint(HDC dc) {
  drawPageText(dc, 8, 12, "language");
  drawPageText(dc, 8, 138, "background");
  GdiObject<HBRUSH> fill(CreateSolidBrush(RGB(settings.bgRed, settings.bgGreen, settings.bgBlue)));
  GdiObject<HPEN> outline(CreatePen(PS_SOLID, 1, RGB(190, 190, 190)));
  GdiSelection selectFill(dc, fill.get());
  GdiSelection selectOutline(dc, outline.get());
  Rectangle(dc, layout.px(115), layout.px(135), layout.px(135), layout.px(153));
}
