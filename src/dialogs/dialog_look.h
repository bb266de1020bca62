#pragma once
// The look every dialog shares: fonts, colours and the picture files of the header band.
#include <windows.h>

constexpr COLORREF titleColour = RGB(109, 138, 171);
constexpr COLORREF labelGrey = RGB(197, 197, 197);
constexpr COLORREF linkColour = RGB(114, 156, 213);

constexpr int titleFontHeight = 25;    // header titles
constexpr int sectionFontHeight = 18;  // section labels of the open photos dialog
constexpr int progressFontHeight = 14; // the progress window's status line

constexpr const char* iconStripFile = "./data/icons/config_tabs.bmp";
constexpr const char* framesPicture = "./data/images/frames.bmp";
constexpr const char* programPicture = "./data/images/ovix.bmp";

// A bold "Times New Roman" of the given character height (antialiased, TrueType); the caller
// owns it and deletes it with DeleteObject. Null when the font cannot be created.
HFONT createDialogTitleFont(int characterHeight);

// Loads a bitmap file at its own size; null when it cannot be read.
HBITMAP loadBitmapFile(const char* path);

// Draws a 64x64 bitmap (not owned) at (x, y), stretched to `size` x `size` pixels, with black
// transparent; a null one draws nothing.
void drawMaskedPicture(HDC dc, HBITMAP picture, int x, int y, int size);
