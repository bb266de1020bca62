#pragma once
// Ovix's own message box: a caption, a message and "yes"/"no" or a lone "ok", in the dialog
// look. It never blocks its caller; when asked, it reports the answer to its owner with
// MSG_BOX_ANSWER (wParam = id, or 0 for Esc; lParam = 2 for "yes", 3 for "no", "ok" or Esc).
// Closing it with the close box sends no answer.
#include <cstdint>
#include <memory>
#include <string>

#include "dialogs/dialog_frame.h"

class Language;

class MessageBoxWindow : public DialogFrame {
public:
  static constexpr uint32_t yesNoButtons = 1;  // any other value: a lone "ok"
  static constexpr LPARAM firstAnswer = 2;     // "yes"
  static constexpr LPARAM secondAnswer = 3;    // "no", "ok", Esc

  // Builds and shows the box at once, owned by `ownerWindow` (the main window when none). The
  // texts are copied. A message longer than three lines makes the box taller, so that it shows
  // whole (up to the screen's height), also after a move to a display of another DPI. Allocate with new; the box deletes itself when closed.
  MessageBoxWindow(HWND ownerWindow, const char* caption, const char* message, uint32_t buttons,
                   bool answerRequested, uint32_t id);
  // The same with the message as Unicode, for messages naming a path: the box shows the
  // path's real characters, whatever code page the caption is in.
  MessageBoxWindow(HWND ownerWindow, const char* caption, const std::wstring& message, uint32_t buttons,
                   bool answerRequested, uint32_t id);
  ~MessageBoxWindow() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  bool answerRequested = false;
  uint32_t id = 0;
  uint32_t buttons = 0;
  std::unique_ptr<Language> texts;  // "Windows" -> "Msg": the button texts
  HWND messageControl = nullptr;
  HWND firstButton = nullptr;   // only with two buttons
  HWND secondButton = nullptr;

protected:
  void onEscape() override;

private:
  std::wstring text;  // the message, measured again when the DPI changes
  // Sets the height that shows the whole message at the layout's DPI: the three-line size, or
  // taller for a longer text (up to the screen's height). True when the height changed; the
  // window and its controls are left for the caller to move.
  bool fitMessage();
  // Sends the answer when one was requested, then closes the box.
  void answer(WPARAM answerId, LPARAM which);
};

// The box "Špatná cesta" saying that `path` (UTF-8) is no usable path to files, with a lone
// "ok" and no answer, owned by `owner` (the main window when none).
void showBadPath(HWND owner, const char* path);
