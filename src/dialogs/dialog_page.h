#pragma once
// A page of a tabbed dialog: a child window of the dialog, beside (not inside) the tab control,
// that paints its own labels and holds its own controls and links in the dialog's look.
#include "dialogs/control_host.h"

class DialogFrame;

class DialogPage : public ControlHost {
public:
  // Creates the page window of class `className` as a visible child of `dialog` at (4, 101),
  // sized (dialog width - 14) x (dialog height - 174), in the dialog's look and at its DPI. The
  // object deletes itself with its window.
  DialogPage(const DialogFrame& dialog, const char* className);

  // Paints the background-free content (labels); the button-face background is already there.
  virtual void paint(HDC dc);
  // WM_PAINT goes to paint; Esc released on the page is the dialog's Esc; WM_COMMAND and
  // WM_NOTIFY of the page's controls are left to derived pages; the rest is default.
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
