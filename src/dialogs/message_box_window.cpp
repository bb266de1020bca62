#include "dialogs/message_box_window.h"

#include <algorithm>

#include "platform/ansi_text.h"
#include "platform/path_text.h"
#include "platform/process_window.h"
#include "dialogs/dialog_look.h"
#include "dialogs/gdi_objects.h"
#include "structure/language.h"

namespace {
constexpr int boxWidth = 300;
constexpr int boxHeight = 190;
constexpr int messageWidth = boxWidth - 15;
constexpr int messageHeight = boxHeight - 146;  // three lines; a longer message grows the box

// Height in pixels of `message` wrapped to `width` pixels in `font`, as the static control
// breaks it.
int wrappedHeight(const std::wstring& message, int width, HFONT font) {
  HDC screen = GetDC(nullptr);
  RECT area = {0, 0, width, 0};
  {
    GdiSelection selectFont(screen, font);
    DrawTextW(screen, message.c_str(), -1, &area, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  }
  ReleaseDC(nullptr, screen);
  return area.bottom;
}
}  // namespace

MessageBoxWindow::MessageBoxWindow(HWND ownerWindow, const char* caption, const char* message,
                                   uint32_t buttonCount, bool requested, uint32_t boxId)
    : MessageBoxWindow(ownerWindow, caption, wideFromCp1250(message ? message : ""), buttonCount, requested,
                       boxId) {}

MessageBoxWindow::MessageBoxWindow(HWND ownerWindow, const char* caption, const std::wstring& message,
                                   uint32_t buttonCount, bool requested, uint32_t boxId)
    : DialogFrame("MsgBox Window"),
      answerRequested(requested),
      id(boxId),
      buttons(buttonCount),
      texts(openLanguage({"Windows", "Msg"})),
      text(message) {
  FrameLook look;
  look.width = boxWidth;
  look.height = boxHeight;
  look.iconIndex = 1;
  look.header = HeaderStyle::compact;
  look.picture = programPicture;
  if (!createFrame(look, caption, ownerWindow)) return;
  if (fitMessage()) centreFrame();

  // A Unicode control, so that a path in the message shows as it is.
  messageControl = layout.keep(
      CreateWindowExW(0, L"STATIC", message.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT,
                      layout.px(5), layout.px(76), layout.px(width - 15), layout.px(height - 146), handle,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), instance, nullptr),
      5, 76, width - 15, height - 146);
  if (buttons == yesNoButtons) {
    firstButton = addButton(texts->text("yes").c_str(), 0, leftButtonX(), buttonY());
    secondButton = addButton(texts->text("no").c_str(), 1, rightButtonX(), buttonY());
  } else {
    secondButton = addButton(texts->text("ok").c_str(), 1, rightButtonX(), buttonY());
  }
  show();
}

MessageBoxWindow::~MessageBoxWindow() = default;

bool MessageBoxWindow::fitMessage() {
  // Measured at the box's DPI, where the message control will break it.
  const int needed = text.empty() ? 0 : layout.unitsCovering(wrappedHeight(text, layout.px(messageWidth), layout.font()));
  const int fitted = needed > messageHeight
                         ? std::min(boxHeight + needed - messageHeight, layout.unitsCovering(GetSystemMetrics(SM_CYSCREEN)))
                         : boxHeight;
  if (fitted == height) return false;
  height = fitted;
  return true;
}

LRESULT MessageBoxWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DPICHANGED) {
    // Fonts do not scale in step with the DPI: the text may need more or fewer lines there.
    const LRESULT result = DialogFrame::handleMessage(message, wParam, lParam);
    if (fitMessage()) {
      layout.place(messageControl, 5, 76, width - 15, height - 146);
      layout.place(firstButton, leftButtonX(), buttonY(), 70, 25);
      layout.place(secondButton, rightButtonX(), buttonY(), 70, 25);
      SetWindowPos(handle, nullptr, 0, 0, layout.px(width), layout.px(height), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return result;
  }
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

void showBadPath(HWND owner, const char* path) {
  const std::wstring message =
      wideFromCp1250("Cesta '") + wideText(path ? path : "") + wideFromCp1250("' není platnou cestou k souborům.");
  // The box copies its texts into its controls; it lives on by itself and is not waited for.
  new MessageBoxWindow(owner, "Špatná cesta", message, 0, false, 0);
}
