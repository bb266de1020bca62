#pragma once
// An underlined text that acts like a web link: it tells its window, or opens its target with
// the shell, when clicked. 15 pixels high; created hidden, shown by its creator, who may move
// it and give it a font (WM_SETFONT) as it lays out its dialog.
#include <cstdint>
#include <string>

#include "platform/window_base.h"

class LinkWindow : public WindowBase {
public:
  // What a click does, by `kind`.
  static constexpr int notifyKind = 0;  // MSG_LINK_CLICKED (lParam = target) to notifyWindow
  static constexpr int openKind = 1;    // 1 or 2: open the text at `target` with the shell

  // Registers "Link Window" and creates the link hidden as a child of `parent` at (left, top),
  // `width` wide. The creator sets kind, target and notifyWindow, may attach a tooltip, and
  // shows the window.
  LinkWindow(HWND parent, HINSTANCE instance, const char* caption, int left, int top, int width);
  // Destroys the tooltip window (the hand cursor is the shared system one and stays).
  ~LinkWindow() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Gives the link a tooltip with `tip` when it has none yet.
  void attachTooltip(const char* tip);

  std::string caption;        // the underlined text
  intptr_t target = 0;        // kinds 1 and 2: a const char* to open; kind 0: a number
  int kind = -1;              // other kinds do nothing on click
  HWND notifyWindow = nullptr;
  bool pressed = false;       // between button-down and button-up; draws a focus rectangle
  HWND tooltip = nullptr;
  HCURSOR cursor = nullptr;
  HFONT font = nullptr;       // not owned; the stock GUI font until WM_SETFONT gives another

private:
  void paint();
  void redraw();
  void click();
};
