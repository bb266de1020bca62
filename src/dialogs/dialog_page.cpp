#include "dialogs/dialog_page.h"

#include "platform/process_window.h"

DialogPage::DialogPage(HWND dialog, const char* className, int dialogWidth, int dialogHeight) {
  name = className;
  owner = dialog;
  left = 4;
  top = 101;
  width = dialogWidth - 14;
  height = dialogHeight - 174;

  registerWindowClass(instance, name, CS_HREDRAW | CS_VREDRAW,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));

  handle = CreateWindowExA(WS_EX_TOOLWINDOW, name, "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, left, top,
                           width, height, dialog, nullptr, instance, nullptr);
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
  HWND control = CreateWindowExA(extendedStyle, className, text, style, x, y, controlWidth,
                                 controlHeight, handle, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 instance, nullptr);
  setDialogFont(control);
  return control;
}
