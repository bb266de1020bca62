#include "dialogs/dialog_page.h"

#include "platform/display_scale.h"
#include "platform/process_window.h"
#include "dialogs/gdi_objects.h"
#include "dialogs/link_window.h"
#include "structure/settings.h"

DialogPage::DialogPage(HWND dialog, const char* className, int dialogWidth, int dialogHeight)
    : layout(static_cast<HFONT>(settings.dialogFont)) {
  name = className;
  owner = dialog;
  left = 4;
  top = 101;
  width = dialogWidth - 14;
  height = dialogHeight - 174;
  layout.setDpi(windowDpi(dialog));

  registerWindowClass(instance, name, CS_HREDRAW | CS_VREDRAW,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));

  handle = CreateWindowExA(WS_EX_TOOLWINDOW, name, "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, layout.px(left),
                           layout.px(top), layout.px(width), layout.px(height), dialog, nullptr,
                           instance, nullptr);
}

void DialogPage::paint(HDC) {}

LRESULT DialogPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paintStruct;
      HDC dc = BeginPaint(handle, &paintStruct);
      paint(dc);
      EndPaint(handle, &paintStruct);
      return 0;
    }
    case WM_KEYUP:
      if (wParam == VK_ESCAPE && owner) return SendMessageA(owner, message, wParam, lParam);
      break;
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

HWND DialogPage::addControl(const char* className, const char* text, DWORD style,
                            DWORD extendedStyle, int x, int y, int controlWidth,
                            int controlHeight, int id) {
  HWND control = CreateWindowExA(extendedStyle, className, text, style, layout.px(x), layout.px(y),
                                 layout.px(controlWidth), layout.px(controlHeight), handle,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  return layout.keep(control, x, y, controlWidth, controlHeight);
}

LinkWindow* DialogPage::addLink(const char* caption, int x, int y, int linkWidth, const char* tip) {
  auto* link = new LinkWindow(handle, instance, caption, x, y, linkWidth);
  if (!link->handle) {
    delete link;  // no window, so windowProc will never delete it
    return nullptr;
  }
  layout.place(link->handle, x, y, linkWidth, link->height);
  link->attachTooltip(tip);
  ShowWindow(link->handle, SW_SHOW);
  return link;
}

void DialogPage::drawLabel(HDC dc, int x, int y, const char* text) {
  GdiSelection selectFont(dc, layout.font());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
  TextOutA(dc, layout.px(x), layout.px(y), text, lstrlenA(text));
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
