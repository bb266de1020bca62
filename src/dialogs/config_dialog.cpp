#include "dialogs/config_dialog.h"

#include <string>

#include "dialogs/effects_page.h"
#include "dialogs/graphics_page.h"
#include "dialogs/message_box_window.h"
#include "dialogs/program_page.h"
#include "dialogs/scene_page.h"
#include "dialogs/settings_save.h"
#include "dialogs/sound_page.h"
#include "platform/documents.h"
#include "platform/process_window.h"
#include "platform/program_info.h"
#include "structure/language.h"

ConfigDialog::ConfigDialog()
    : DialogFrame("Ovix - Nastavení"),
      configTexts(openLanguage({"Windows", "Config"})),
      generalTexts(openLanguage({"Windows", "General"})),
      helpTexts(openLanguage({"Windows", "Help"})) {
  FrameLook look;
  look.width = 450;
  look.height = 335;
  look.iconIndex = 2;
  look.minimiseBox = true;
  look.header = HeaderStyle::large;
  look.picture = "./data/images/config_conf.bmp";
  if (!createFrame(look, configTexts->text("title").c_str())) return;

  pages[0] = new ProgramPage(*this);
  pages[1] = new ScenePage(*this);
  pages[2] = new GraphicsPage(*this);
  pages[3] = new SoundPage(*this);
  pages[4] = new EffectsPage(*this);
  addTabStrip();
  const char* tabKeys[] = {"program", "scene", "graphics", "sound", "effects"};
  for (int page = 0; page < 5; ++page) addPage(configTexts->text(tabKeys[page]).c_str(), pages[page]);
  tabs->select(pages[0]->handle);

  saveButton = addButton(configTexts->text("save").c_str(), saveId, leftButtonX(), buttonY());
  cancelButton = addButton(generalTexts->text("cancel").c_str(), cancelId, rightButtonX(), buttonY());
  helpLink = addNotifyingLink(configTexts->text("help").c_str(), helpTarget, 6, height - 60, 55,
                              configTexts->text("help_tip").c_str());
  show();
}

ConfigDialog::~ConfigDialog() {
  helpTexts.reset();
  generalTexts.reset();
  configTexts.reset();
}

LRESULT ConfigDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Only the buttons' clicks; every other command is ignored.
      if (wParam == saveId) save();
      if (wParam == cancelId) DestroyWindow(handle);
      return 0;
    case MSG_LINK_CLICKED:
      if (lParam == helpTarget)
        new MessageBoxWindow(handle, helpTexts->text("title").c_str(), helpTexts->text("text").c_str(),
                             MessageBoxWindow::yesNoButtons, true, 0);
      return 0;
    case MSG_BOX_ANSWER:
      if (lParam == MessageBoxWindow::firstAnswer)
        openDocument((std::string(webSiteAddress) + "/3w/data_left_menu/ovix/help/help_cz.html").c_str());
      else if (lParam == MessageBoxWindow::secondAnswer)
        openDocument(helpPageAddress().c_str());
      return 0;
  }
  return DialogFrame::handleMessage(message, wParam, lParam);
}

void ConfigDialog::save() {
  for (ConfigPage* page : pages)
    if (page) page->apply();
  saveSettingsOrTell();
  DestroyWindow(handle);
}
