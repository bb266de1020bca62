#include "dialogs/dialog_look.h"

#include "dialogs/gdi_objects.h"
#include "platform/path_text.h"

HFONT createDialogTitleFont(int characterHeight) {
  return CreateFontA(-characterHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, "Times New Roman");
}

HBITMAP loadBitmapFile(const char* path) {
  return static_cast<HBITMAP>(LoadImageW(nullptr, widePath(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

void drawMaskedPicture(HDC dc, HBITMAP picture, int x, int y, int size) {
  if (!picture) return;
  MemoryDc memory(dc);
  GdiSelection selected(memory.get(), picture);
  TransparentBlt(dc, x, y, size, size, memory.get(), 0, 0, 64, 64, RGB(0, 0, 0));
}
