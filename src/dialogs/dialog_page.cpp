#include "dialogs/dialog_page.h"

#include "app/viewer_app.h"

DialogPage::DialogPage(HWND dialog, const char* className, int dialogWidth, int dialogHeight) {
  name = className;
  owner = dialog;
  left = 4;
  top = 101;
  width = dialogWidth - 14;
  height = dialogHeight - 174;

  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);  // fails harmlessly when the class exists

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
