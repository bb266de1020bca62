#include "dialogs/update_window.h"

#include "app/app_commands.h"
#include "dialogs/dialog_look.h"
#include "structure/language.h"

UpdateWindow::UpdateWindow(const char* page)
    : DialogFrame("Ovix Update"),
      updateTexts(openLanguage({"Windows", "Update"})),
      buttonTexts(openLanguage({"Windows", "Msg"})),
      downloadPage(page ? page : "") {
  FrameLook look;
  look.width = 430;
  look.height = 165;
  look.iconIndex = 1;
  look.header = HeaderStyle::compact;
  look.picture = programPicture;
  if (!createFrame(look, updateTexts->text("title").c_str())) return;
  messageControl = addControl("STATIC", updateTexts->text("text").c_str(),
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT, 0, 5, 76,
                              width - 15, height - 146, -1);
  yesButton = addButton(buttonTexts->text("yes").c_str(), yesId, leftButtonX(), buttonY());
  noButton = addButton(buttonTexts->text("no").c_str(), noId, rightButtonX(), buttonY());
  show();
}

UpdateWindow::~UpdateWindow() = default;

LRESULT UpdateWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && (wParam == yesId || wParam == noId)) {
    if (wParam == yesId) openDocument(downloadPage.c_str());
    DestroyWindow(handle);
    return 0;
  }
  return DialogFrame::handleMessage(message, wParam, lParam);
}
