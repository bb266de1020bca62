#pragma once
// The painted band at the top of a dialog: white, edged below by a grey line, with the
// dialog's own picture on the left, the frames picture on the right and the title between.
#include <windows.h>

#include "dialogs/gdi_objects.h"

enum class HeaderStyle { none, large, compact };

// Paints the band of one dialog. What it draws with is made at the first paint and kept: the
// pictures are read once, the title font and the line are made again only for another DPI.
class HeaderBand {
public:
  // Paints the band for a window `width` 96-dpi units wide, scaled to `dpi`. `leftPicture` is
  // a 64x64 bitmap file drawn (at the scaled size) with black transparent; a picture that
  // cannot be loaded is left out and painting goes on. The DC is left as it was.
  void paint(HDC dc, HeaderStyle style, int width, const char* leftPicture, const char* title, UINT dpi);

private:
  UINT madeFor = 0;  // the DPI of font and pen; 0 before the first paint
  GdiObject<HFONT> font;
  GdiObject<HPEN> pen;
  const char* leftPath = nullptr;  // the file `left` was read from
  GdiObject<HBITMAP> left;
  GdiObject<HBITMAP> frames;
  bool framesRead = false;
};
