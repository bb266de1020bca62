#include "dialogs/message_box_window.h"

#include "platform/process_window.h"
#include "dialogs/dialog_look.h"
#include "structure/language.h"

MessageBoxWindow::MessageBoxWindow(HWND ownerWindow, const char* caption, const char* message,
                                   uint32_t buttonCount, bool requested, uint32_t boxId)
    : DialogFrame("MsgBox Window"),
      answerRequested(requested),
      id(boxId),
      buttons(buttonCount),
      texts(openLanguage({"Windows", "Msg"})) {
  FrameLook look;
  look.width = 300;
  look.height = 190;
  look.iconIndex = 1;
  look.header = HeaderStyle::compact;
  look.picture = programPicture;
  if (!createFrame(look, caption, ownerWindow)) return;

  messageControl = addControl("STATIC", message ? message : "",
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT, 0, 5, 76,
                              width - 15, height - 146, -1);
  if (buttons == yesNoButtons) {
    firstButton = addButton(texts->text("yes").c_str(), 0, leftButtonX(), buttonY());
    secondButton = addButton(texts->text("no").c_str(), 1, rightButtonX(), buttonY());
  } else {
    secondButton = addButton(texts->text("ok").c_str(), 1, rightButtonX(), buttonY());
  }
  show();
}

MessageBoxWindow::~MessageBoxWindow() = default;

LRESULT MessageBoxWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && (wParam == 0 || wParam == 1)) {
    answer(id, wParam == 0 ? firstAnswer : secondAnswer);
    return 0;
  }
  return DialogFrame::handleMessage(message, wParam, lParam);
}

void MessageBoxWindow::onEscape() { answer(0, secondAnswer); }

void MessageBoxWindow::answer(WPARAM answerId, LPARAM which) {
  // Sent, not posted: the owner has the answer before the box goes away. The owner may close
  // itself (and with it this box) while handling it, so nothing of this object is touched
  // after the send.
  HWND box = handle;
  if (answerRequested && owner) SendMessageA(owner, MSG_BOX_ANSWER, answerId, which);
  if (IsWindow(box)) DestroyWindow(box);
}
