#include "dialogs/header_band.h"

#include <cstring>

#include "dialogs/dialog_look.h"
#include "dialogs/gdi_objects.h"
#include "platform/display_scale.h"

namespace {
struct BandLayout {
  int bottom;
  POINT left, right, title;
};

BandLayout layoutOf(HeaderStyle style, int width) {
  if (style == HeaderStyle::large) return {75, {5, 5}, {width - 70, 5}, {85, 22}};
  return {68, {0, 1}, {width - 70, 1}, {70, 18}};
}

void drawPlainPicture(HDC dc, const char* path, POINT at, int size) {
  GdiObject<HBITMAP> picture(loadBitmapFile(path));
  if (!picture) return;
  MemoryDc memory(dc);
  GdiSelection selected(memory.get(), picture.get());
  StretchBlt(dc, at.x, at.y, size, size, memory.get(), 0, 0, 64, 64, SRCCOPY);
}

POINT scaled(POINT at, UINT dpi) { return {scaleForDpi(at.x, dpi), scaleForDpi(at.y, dpi)}; }
}  // namespace

void paintHeaderBand(HDC dc, HeaderStyle style, int width, const char* leftPicture,
                     const char* title, UINT dpi) {
  if (style == HeaderStyle::none) return;
  const BandLayout layout = layoutOf(style, width);
  const POINT left = scaled(layout.left, dpi), right = scaled(layout.right, dpi),
              titleAt = scaled(layout.title, dpi);
  const int pictureSize = scaleForDpi(64, dpi);
  GdiObject<HFONT> font(createDialogTitleFont(scaleForDpi(titleFontHeight, dpi)));
  GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(255, 255, 255)));
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, scaleForDpi(4, dpi), labelGrey));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, titleColour);
  GdiSelection selectFont(dc, font.get());
  GdiSelection selectBrush(dc, brush.get());
  GdiSelection selectPen(dc, pen.get());

  // Starts outside the window on three sides, so only the lower edge shows as a line.
  Rectangle(dc, -1, -1, scaleForDpi(width, dpi), scaleForDpi(layout.bottom, dpi));
  if (leftPicture) drawMaskedPicture(dc, leftPicture, left.x, left.y, pictureSize);
  drawPlainPicture(dc, framesPicture, right, pictureSize);
  if (title) TextOutA(dc, titleAt.x, titleAt.y, title, static_cast<int>(std::strlen(title)));

  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
