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

void drawPlainPicture(HDC dc, HBITMAP picture, POINT at, int size) {
  if (!picture) return;
  MemoryDc memory(dc);
  GdiSelection selected(memory.get(), picture);
  StretchBlt(dc, at.x, at.y, size, size, memory.get(), 0, 0, 64, 64, SRCCOPY);
}

POINT scaled(POINT at, UINT dpi) { return {scaleForDpi(at.x, dpi), scaleForDpi(at.y, dpi)}; }
}  // namespace

void HeaderBand::paint(HDC dc, HeaderStyle style, int width, const char* leftPicture, const char* title,
                       UINT dpi) {
  if (style == HeaderStyle::none) return;
  const BandLayout layout = layoutOf(style, width);
  const POINT leftAt = scaled(layout.left, dpi), right = scaled(layout.right, dpi),
              titleAt = scaled(layout.title, dpi);
  const int pictureSize = scaleForDpi(64, dpi);
  if (madeFor != dpi) {
    font.reset(createDialogTitleFont(scaleForDpi(titleFontHeight, dpi)));
    pen.reset(CreatePen(PS_SOLID, scaleForDpi(4, dpi), labelGrey));
    madeFor = dpi;
  }
  if (leftPicture != leftPath) {
    left.reset(leftPicture ? loadBitmapFile(leftPicture) : nullptr);
    leftPath = leftPicture;
  }
  if (!framesRead) {
    frames.reset(loadBitmapFile(framesPicture));
    framesRead = true;
  }
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, titleColour);
  GdiSelection selectFont(dc, font.get());
  GdiSelection selectBrush(dc, GetStockObject(WHITE_BRUSH));
  GdiSelection selectPen(dc, pen.get());

  // Starts outside the window on three sides, so only the lower edge shows as a line.
  Rectangle(dc, -1, -1, scaleForDpi(width, dpi), scaleForDpi(layout.bottom, dpi));
  drawMaskedPicture(dc, left.get(), leftAt.x, leftAt.y, pictureSize);
  drawPlainPicture(dc, frames.get(), right, pictureSize);
  if (title) TextOutA(dc, titleAt.x, titleAt.y, title, static_cast<int>(std::strlen(title)));

  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
