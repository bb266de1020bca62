#include "dialogs/path_field.h"

#include "platform/ansi_text.h"
#include "platform/path_text.h"
#include "platform/window_base.h"

HWND createPathField(HWND parent, HINSTANCE instance, HFONT font, const char* path, DWORD style, DWORD extendedStyle,
                     int x, int y, int width, int height) {
  if (!parent) return nullptr;
  HWND field = CreateWindowExW(extendedStyle, L"EDIT", wideText(path ? path : "").c_str(), style, x, y, width,
                               height, parent, nullptr, instance, nullptr);
  setDialogFont(field, font);
  return field;
}

std::string pathFieldText(HWND field) { return utf8FromWide(windowTextWide(field).c_str()); }

void setPathFieldText(HWND field, const std::string& path) { SetWindowTextW(field, wideText(path).c_str()); }
