#include "dialogs/header_band.h"

#include <cstring>

#include "dialogs/dialog_look.h"
#include "dialogs/gdi_objects.h"

namespace {
struct BandLayout {
  int bottom;
  POINT left, right, title;
};

BandLayout layoutOf(HeaderStyle style, int width) {
  if (style == HeaderStyle::large) return {75, {5, 5}, {width - 70, 5}, {85, 22}};
  return {68, {0, 1}, {width - 70, 1}, {70, 18}};
}

void drawPlainPicture(HDC dc, const char* path, POINT at) {
  GdiObject<HBITMAP> picture(loadBitmapFile(path));
  if (!picture) return;
  MemoryDc memory(dc);
  GdiSelection selected(memory.get(), picture.get());
  BitBlt(dc, at.x, at.y, 64, 64, memory.get(), 0, 0, SRCCOPY);
}
}  // namespace

void paintHeaderBand(HDC dc, HeaderStyle style, int width, const char* leftPicture,
                     const char* title) {
  if (style == HeaderStyle::none) return;
  const BandLayout layout = layoutOf(style, width);
  GdiObject<HFONT> font(createDialogTitleFont(titleFontHeight));
  GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(255, 255, 255)));
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 4, labelGrey));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, titleColour);
  GdiSelection selectFont(dc, font.get());
  GdiSelection selectBrush(dc, brush.get());
  GdiSelection selectPen(dc, pen.get());

  // Starts outside the window on three sides, so only the lower edge shows as a line.
  Rectangle(dc, -1, -1, width, layout.bottom);
  if (leftPicture) drawMaskedPicture(dc, leftPicture, layout.left.x, layout.left.y);
  drawPlainPicture(dc, framesPicture, layout.right);
  if (title) TextOutA(dc, layout.title.x, layout.title.y, title, static_cast<int>(std::strlen(title)));

  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
