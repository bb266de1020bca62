#include "dialogs/update_window.h"

#include "dialogs/dialog_look.h"
#include "platform/documents.h"
#include "platform/program_info.h"
#include "structure/language.h"

UpdateNotice updateNotice() {
  UpdateNotice notice;
  notice.windowLook = settingsLook();
  const std::unique_ptr<Language> updateTexts = openLanguage({"Windows", "Update"});
  const std::unique_ptr<Language> buttonTexts = openLanguage({"Windows", "Msg"});
  notice.title = updateTexts->text("title");
  notice.text = updateTexts->text("text");
  notice.yes = buttonTexts->text("yes");
  notice.no = buttonTexts->text("no");
  notice.downloadPage = std::string(webSiteAddress) + "/3w/index.php?action=ovix&article=download";
  return notice;
}

UpdateWindow::UpdateWindow(const UpdateNotice& notice)
    : DialogFrame("Ovix Update", notice.windowLook), downloadPage(notice.downloadPage) {
  FrameLook look;
  look.width = 430;
  look.height = 165;
  look.iconIndex = 1;
  look.header = HeaderStyle::compact;
  look.picture = programPicture;
  if (!createFrame(look, notice.title.c_str())) return;
  messageControl = addControl("STATIC", notice.text.c_str(),
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT, 0, 5, 76,
                              width - 15, height - 146, -1);
  yesButton = addButton(notice.yes.c_str(), yesId, leftButtonX(), buttonY());
  noButton = addButton(notice.no.c_str(), noId, rightButtonX(), buttonY());
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
