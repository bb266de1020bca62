#include "dialogs/about_dialog.h"

#include "dialogs/about_pages.h"
#include "structure/language.h"

AboutDialog::AboutDialog()
    : DialogFrame("Ovix - O programu"),
      aboutTexts(openLanguage({"Windows", "About"})),
      generalTexts(openLanguage({"Windows", "General"})) {
  FrameLook look;
  look.width = 350;
  look.height = 265;
  look.iconIndex = 1;
  look.minimiseBox = true;
  look.header = HeaderStyle::large;
  look.picture = "./data/images/mirvak.bmp";
  if (!createFrame(look, aboutTexts->text("title").c_str())) return;

  DialogPage* created[4] = {new DevelopmentPage(*this),
                            new UpdatePage(*this),
                            new DebugPage(*this),
                            new ThanksPage(*this)};
  addTabStrip();
  const char* const tabKeys[4] = {"development", "update", "debug", "thanks"};
  for (int i = 0; i < 4; ++i) {
    pages[i] = created[i]->handle;
    addPage(aboutTexts->text(tabKeys[i]).c_str(), created[i]);
  }
  tabs->select(pages[0]);
  cancelButton = addButton(generalTexts->text("cancel").c_str(), cancelId, rightButtonX(), buttonY());
  show();
}

AboutDialog::~AboutDialog() = default;

LRESULT AboutDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    if (wParam == cancelId) DestroyWindow(handle);
    return 0;  // other commands are ignored
  }
  return DialogFrame::handleMessage(message, wParam, lParam);
}
