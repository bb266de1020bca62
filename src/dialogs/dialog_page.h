#pragma once
// A page of a tabbed dialog: a child window of the dialog, beside (not inside) the tab control,
// that paints its own labels and holds its own controls.
#include "platform/window_base.h"
#include "dialogs/dialog_layout.h"

class LinkWindow;

class DialogPage : public WindowBase {
public:
  // Creates the page window of class `className` as a visible child of `dialog` at (4, 101),
  // sized (dialogWidth - 14) x (dialogHeight - 174), at the dialog's DPI. The object deletes
  // itself with its window. Positions and sizes of the page and below are 96-dpi units.
  DialogPage(HWND dialog, const char* className, int dialogWidth, int dialogHeight);

  // Paints the background-free content (labels); the button-face background is already there.
  virtual void paint(HDC dc);
  // WM_PAINT goes to paint; Esc released on the page is the dialog's Esc; WM_COMMAND and
  // WM_NOTIFY of the page's controls are left to derived pages; the rest is default.
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // A child control of the page with the dialog font; see DialogFrame::addControl.
  HWND addControl(const char* className, const char* text, DWORD style, DWORD extendedStyle,
                  int x, int y, int width, int height, int id);
  // A shown link child of the page with `tip` as tooltip; it goes with the page window. None
  // when its window could not be created.
  LinkWindow* addLink(const char* caption, int x, int y, int width, const char* tip);
  // A page label: black, the dialog font, transparent background.
  void drawLabel(HDC dc, int x, int y, const char* text);

  DialogLayout layout;  // the page's controls at the dialog's DPI
};
