#include "dialogs/about_dialog.h"

#include "dialogs/about_pages.h"
#include "structure/language.h"

AboutDialog::AboutDialog()
    : DialogFrame("Ovix - O programu"),
      aboutTexts(openLanguage({"Windows", "About"})),
      generalTexts(openLanguage({"Windows", "General"})) {
  FrameLook frame;
  frame.width = 350;
  frame.height = 265;
  frame.iconIndex = 1;
  frame.minimiseBox = true;
  frame.header = HeaderStyle::large;
  frame.picture = "./data/images/mirvak.bmp";
  if (!createFrame(frame, aboutTexts->text("title").c_str())) return;

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
