#pragma once
// Where a dialog's 96-dpi units land on its display. Every position, size and font height of
// a dialog is given in 96-dpi units; the layout turns them into pixels at the window's DPI
// through scaleForDpi, keeps the control font made for that DPI, and remembers the children it
// placed so that a move to a display of another DPI lays them out again.
#include <windows.h>

#include <vector>

#include "platform/display_scale.h"

class DialogLayout {
public:
  // Lays out at 96 dpi with `controlFont` (made for the system DPI; not owned).
  explicit DialogLayout(HFONT controlFont = nullptr);
  ~DialogLayout();
  DialogLayout(const DialogLayout&) = delete;
  DialogLayout& operator=(const DialogLayout&) = delete;

  UINT dpi() const { return currentDpi; }
  // `value96` in pixels at the layout's DPI.
  int px(int value96) const { return scaleForDpi(value96, currentDpi); }
  // The fewest 96-dpi units that cover `pixels` at the layout's DPI.
  int unitsCovering(int pixels) const;
  // The control font at the layout's DPI: the given font at the system DPI, otherwise one made
  // from it at this DPI and owned here.
  HFONT font() const { return ownFont ? ownFont : baseFont; }

  // Remembers `child`, a window already at the pixels of (x, y, width, height), and gives it
  // the control font; a child kept again takes the new rectangle. Returns `child`; a null child
  // is ignored.
  HWND keep(HWND child, int x, int y, int width, int height);
  // As keep, for a child made elsewhere: it is first moved to the pixels of the rectangle.
  HWND place(HWND child, int x, int y, int width, int height);
  // Switches to `newDpi`: makes the font for it, moves every child kept or placed and gives it
  // the new font.
  void setDpi(UINT newDpi);

private:
  struct Placed {
    HWND window;
    int x, y, width, height;  // 96-dpi units in the parent's client area
  };
  void move(const Placed& child) const;

  UINT currentDpi = baseDpi;
  HFONT baseFont;
  HFONT ownFont = nullptr;
  std::vector<Placed> children;
};
