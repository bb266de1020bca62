#include "dialogs/effects_page.h"

#include "photos/effect.h"
#include "structure/settings.h"

namespace {
// The effect list's entries in the order of their codes from effectPlain on, with the page
// text describing each.
const char* const effectKeys[] = {"def", "fade"};
const char* const descriptionKeys[] = {"def_desc", "fade_desc"};
constexpr LRESULT effectCount = sizeof effectKeys / sizeof *effectKeys;
}  // namespace

EffectsPage::EffectsPage(const DialogFrame& dialog)
    : ConfigPage(dialog, "Effects Config", "Effects"),
      effectNames(openLanguage({"Effects"})) {
  effectList = addDropList(130, 8, 100, 80);
  for (const char* key : effectKeys)
    SendMessageA(effectList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(effectNames->text(key).c_str()));
  const LRESULT entry = settings.effect == effectFade ? 1 : 0;
  SendMessageA(effectList, CB_SETCURSEL, entry, 0);
  description = addControl("EDIT", "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | ES_MULTILINE |
                               ES_READONLY,
                           WS_EX_CLIENTEDGE, 130, 40, width - 140, 60, 0);
  describe(entry);
}

EffectsPage::~EffectsPage() = default;

void EffectsPage::apply() {
  const LRESULT selected = SendMessageA(effectList, CB_GETCURSEL, 0, 0);
  if (selected >= 0 && selected < effectCount) settings.effect = effectPlain + static_cast<int32_t>(selected);
}

LRESULT EffectsPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE &&
      reinterpret_cast<HWND>(lParam) == effectList) {
    describe(SendMessageA(effectList, CB_GETCURSEL, 0, 0));
    return 0;
  }
  return ConfigPage::handleMessage(message, wParam, lParam);
}

void EffectsPage::describe(LRESULT entry) {
  SetWindowTextA(description, texts->text(descriptionKeys[entry == 1 ? 1 : 0]).c_str());
}

void EffectsPage::paint(HDC dc) {
  drawPageText(dc, 6, 12, "effect");
  drawPageText(dc, 6, 38, "effect_desc");
}
