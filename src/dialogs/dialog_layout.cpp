#include "dialogs/dialog_layout.h"

#include <algorithm>

DialogLayout::DialogLayout(HFONT controlFont) : baseFont(controlFont) {}

DialogLayout::~DialogLayout() {
  if (ownFont) DeleteObject(ownFont);
}

int DialogLayout::unitsCovering(int pixels) const {
  int units = MulDiv(pixels, static_cast<int>(baseDpi), static_cast<int>(currentDpi));
  while (px(units) < pixels) ++units;  // rounded to nearest above; at most one step
  return units;
}

HWND DialogLayout::keep(HWND child, int x, int y, int width, int height) {
  if (!child) return nullptr;
  auto known = std::find_if(children.begin(), children.end(), [&](const Placed& c) { return c.window == child; });
  if (known != children.end())
    *known = {child, x, y, width, height};
  else
    children.push_back({child, x, y, width, height});
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
  return child;
}

HWND DialogLayout::place(HWND child, int x, int y, int width, int height) {
  if (child) move({child, x, y, width, height});
  return keep(child, x, y, width, height);
}

void DialogLayout::move(const Placed& child) const {
  SetWindowPos(child.window, nullptr, px(child.x), px(child.y), px(child.width), px(child.height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogLayout::setDpi(UINT newDpi) {
  if (newDpi == 0) newDpi = baseDpi;
  HFONT previous = ownFont;
  ownFont = nullptr;
  currentDpi = newDpi;
  // The stock control font is made for the system DPI; any other DPI gets its own, from it.
  const UINT systemDpi = windowDpi(nullptr);
  LOGFONTA look = {};
  if (newDpi != systemDpi && baseFont && GetObjectA(baseFont, sizeof look, &look)) {
    look.lfHeight = MulDiv(look.lfHeight, static_cast<int>(newDpi), static_cast<int>(systemDpi));
    ownFont = CreateFontIndirectA(&look);
  }
  for (const Placed& child : children) {
    move(child);
    SendMessageA(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
  }
  if (previous) DeleteObject(previous);  // no child holds it any more
}
