#include "dialogs/dialog_look.h"

#include <commctrl.h>

#include "dialogs/gdi_objects.h"

HFONT createDialogTitleFont(int characterHeight) {
  return CreateFontA(-characterHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, "Times New Roman");
}

HBITMAP loadBitmapFile(const char* path) {
  return static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

void drawMaskedPicture(HDC dc, const char* path, int x, int y) {
  GdiObject<HBITMAP> picture(loadBitmapFile(path));
  if (!picture) return;
  HIMAGELIST list = ImageList_Create(64, 64, ILC_COLOR24 | ILC_MASK, 1, 0);
  if (!list) return;
  if (ImageList_AddMasked(list, picture.get(), RGB(0, 0, 0)) >= 0)
    ImageList_Draw(list, 0, dc, x, y, ILD_TRANSPARENT);
  ImageList_Destroy(list);
}
