#include "dialogs/path_field.h"

#include "platform/ansi_text.h"
#include "platform/path_text.h"
#include "dialogs/dialog_layout.h"

HWND createPathField(HWND parent, HINSTANCE instance, DialogLayout& layout, const char* path, DWORD style,
                     DWORD extendedStyle, int x, int y, int width, int height) {
  if (!parent) return nullptr;
  HWND field = CreateWindowExW(extendedStyle, L"EDIT", wideText(path ? path : "").c_str(), style, layout.px(x),
                               layout.px(y), layout.px(width), layout.px(height), parent, nullptr, instance, nullptr);
  return layout.keep(field, x, y, width, height);
}

std::string pathFieldText(HWND field) { return utf8FromWide(windowTextWide(field).c_str()); }

void setPathFieldText(HWND field, const std::string& path) { SetWindowTextW(field, wideText(path).c_str()); }
