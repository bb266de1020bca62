#pragma once
// The painted band at the top of a dialog: white, edged below by a grey line, with the
// dialog's own picture on the left, the frames picture on the right and the title between.
#include <windows.h>

enum class HeaderStyle { none, large, compact };

// Paints the band for a window `width` 96-dpi units wide, scaled to `dpi`. `leftPicture` is a
// 64x64 bitmap file drawn (at the scaled size) with black transparent; a picture that cannot be
// loaded is left out and painting goes on. Every GDI object is created and deleted within the
// call; the DC is left as it was.
void paintHeaderBand(HDC dc, HeaderStyle style, int width, const char* leftPicture,
                     const char* title, UINT dpi);
