#include "dialogs/dialog_page.h"

#include "dialogs/dialog_frame.h"
#include "platform/process_window.h"

DialogPage::DialogPage(const DialogFrame& dialog, const char* className) : ControlHost(dialog.windowLook) {
  name = className;
  owner = dialog.handle;
  left = 4;
  top = 101;
  width = dialog.width - 14;
  height = dialog.height - 174;
  layout.setDpi(dialog.layout.dpi());

  registerWindowClass(instance, name, CS_HREDRAW | CS_VREDRAW,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));

  handle = CreateWindowExA(WS_EX_TOOLWINDOW, name, "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, layout.px(left),
                           layout.px(top), layout.px(width), layout.px(height), owner, nullptr,
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
