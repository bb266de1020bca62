#pragma once
// An underlined text that acts like a web link: when clicked it either tells a window (with
// MSG_LINK_CLICKED) or opens an address through openDocument. 15 pixels high; made hidden by
// the factories below and shown by its host (ControlHost's addOpeningLink, addNotifyingLink),
// which may move it and give it a font (WM_SETFONT) as it lays out its window.
#include <string>

#include "platform/window_base.h"
#include "dialogs/gdi_objects.h"

class LinkWindow : public WindowBase {
public:
  // A link child of `parent` at (left, top), `width` wide, that opens `address` (copied) when
  // clicked. None when its window could not be created. The object deletes itself with its
  // window.
  static LinkWindow* opening(HWND parent, const char* caption, int left, int top, int width,
                             const std::string& address);
  // As opening, but a click sends `notifyWindow` MSG_LINK_CLICKED with lParam `value`.
  static LinkWindow* notifying(HWND parent, const char* caption, int left, int top, int width,
                               HWND notifyWindow, LPARAM value);

  // Destroys the tooltip window (the hand cursor is the shared system one and stays).
  ~LinkWindow() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Gives the link a tooltip with `tip` when it has none yet.
  void attachTooltip(const char* tip);

  std::string caption;         // the underlined text
  std::string address;         // what an opening link opens; empty for a notifying one
  HWND notifyWindow = nullptr; // what a notifying link tells; none for an opening one
  LPARAM value = 0;            // the lParam a notifying link sends
  bool pressed = false;        // between button-down and button-up; draws a focus rectangle
  HWND tooltip = nullptr;
  HCURSOR cursor = nullptr;
  HFONT font = nullptr;        // not owned; the stock GUI font until WM_SETFONT gives another

private:
  // Registers "Link Window" and creates the window hidden; `handle` stays none on failure.
  LinkWindow(HWND parent, const char* caption, int left, int top, int width);
  // The new link, or none (deleting it) when it has no window.
  static LinkWindow* made(LinkWindow* link);

  // `font` underlined, made at the first paint after the font changed and kept till the next.
  HFONT underlinedFont();
  GdiObject<HFONT> underlined;

  void paint();
  void redraw();
  void click();
};
