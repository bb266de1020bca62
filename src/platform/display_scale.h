#pragma once
// The one place where sizes given in 96-dpi units become pixels of a window's display, and
// where a window's monitor is measured. Every window of Ovix (the GL scene and the dialogs)
// scales through these, so a 150 % display shows everything 1.5 times as large and sharp.
#include <windows.h>

// The dots per inch Ovix lays out for.
constexpr UINT baseDpi = 96;

// `value96` (a position, size or font height in 96-dpi units) in pixels at `dpi`, rounded to
// the nearest pixel, halves away from zero. At 96 dpi (and for a dpi of 0, unknown) the value
// itself.
int scaleForDpi(int value96, UINT dpi);

// The dots per inch of the display `window` is on: GetDpiForWindow where the system has it,
// otherwise the LOGPIXELSX of the screen (the system DPI). Never 0. A null window gives the
// system DPI.
UINT windowDpi(HWND window);

// The longer side, in physical pixels, of the monitor that holds most of `window` (the
// nearest one when it is on none); the primary screen's when the monitor cannot be asked.
int monitorLongerSide(HWND window);
