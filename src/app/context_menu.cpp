// The context menu on the right mouse button: built anew each time so its check marks and
// greyed items show the current state, and the chosen command runs at once.
#include <cstdio>
#include <string>

#include "app/app_commands.h"
#include "app/viewer_app.h"
#include "structure/language.h"
#include "structure/settings.h"

namespace {
enum ItemState {
  plain, needsShow, checkedFullScreen, checkedMenu, checkedHelp, checkedInfo, checkedShuffle, separator, effects
};

struct MenuItem {
  int id;
  const char* labelKey;
  const char* keyNameKey;  // none: the label stands alone
  ItemState state;
};

const MenuItem menuItems[] = {
    {commandPlayPause, "play_pause", "play_pause_key", needsShow},
    {commandNext, "next", "next_key", needsShow},
    {commandPrevious, "prev", "prev_key", needsShow},
    {commandZoomIn, "zoomin", "zoomin_key", needsShow},
    {commandZoomOut, "zoomout", "zoomout_key", needsShow},
    {commandFirst, "first", "first_key", needsShow},
    {commandLast, "last", "last_key", needsShow},
    {0, nullptr, nullptr, separator},
    {commandFullScreen, "fullscreen", "fullscreen_key", checkedFullScreen},
    {commandMenu, "menu", "menu_key", checkedMenu},
    {commandKeys, "keys", nullptr, checkedHelp},
    {commandInfo, "info", "info_key", checkedInfo},
    {commandShuffle, "shuffle", nullptr, checkedShuffle},
    {0, nullptr, nullptr, separator},
    {commandOpen, "open", "open_key", plain},
    {commandConfig, "config", "config_key", plain},
    {commandList, "list", "list_key", plain},
    {0, nullptr, nullptr, separator},
    {0, "effects", nullptr, effects},
    {0, nullptr, nullptr, separator},
    {commandAbout, "about", nullptr, plain},
    {commandHelp, "help", "help_key", plain},
    {0, nullptr, nullptr, separator},
    {commandExit, "exit", "exit_key", plain},
};

std::string label(Language* texts, const MenuItem& item) {
  std::string text = texts ? texts->text(item.labelKey) : std::string();
  if (item.keyNameKey) text += "\t" + (texts ? texts->text(item.keyNameKey) : std::string());
  return text;
}
}  // namespace

HMENU ViewerApp::buildContextMenu() {
  HMENU menu = CreatePopupMenu();
  if (!menu) return nullptr;
  HMENU effectMenu = CreatePopupMenu();
  const UINT greyedWithoutShow = photoShow ? MF_ENABLED : MF_GRAYED;
  if (effectMenu) {
    for (const EffectChoice& choice : effectChoices) {
      std::string text = effectTexts ? effectTexts->text(choice.key) : std::string();
      AppendMenuA(effectMenu, MF_STRING | greyedWithoutShow, choice.id, text.c_str());
    }
  }
  for (const MenuItem& item : menuItems) {
    if (item.state == separator) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const std::string text = label(popupTexts.get(), item);
    if (item.state == effects) {
      if (effectMenu)
        AppendMenuA(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(effectMenu), text.c_str());
      continue;
    }
    UINT flags = MF_STRING;
    if (item.state == needsShow) flags |= greyedWithoutShow;
    if ((item.state == checkedFullScreen && fullScreen) || (item.state == checkedMenu && menuShown) ||
        (item.state == checkedHelp && helpShown) || (item.state == checkedInfo && settings.showInfo) ||
        (item.state == checkedShuffle && settings.shuffle))
      flags |= MF_CHECKED;
    AppendMenuA(menu, flags, item.id, text.c_str());
  }
  return menu;
}

void ViewerApp::showContextMenu() {
  HMENU menu = buildContextMenu();
  if (!menu) return;
  POINT cursor;
  GetCursorPos(&cursor);
  const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD, cursor.x, cursor.y, 0, handle, nullptr);
  runAppCommand(*this, chosen);
  DestroyMenu(menu);  // destroys the effects sub-menu with it
}
