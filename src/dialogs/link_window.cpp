#include "dialogs/link_window.h"

#include <commctrl.h>

#include "platform/documents.h"
#include "platform/process_window.h"
#include "dialogs/dialog_look.h"
#include "dialogs/gdi_objects.h"

namespace {
constexpr int linkHeight = 15;

// `font` underlined.
HFONT createLinkFont(HFONT font) {
  LOGFONTA look = {};
  if (!GetObjectA(font ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof look, &look)) return nullptr;
  look.lfUnderline = TRUE;
  return CreateFontIndirectA(&look);
}
}  // namespace

LinkWindow* LinkWindow::opening(HWND parent, const char* caption, int left, int top, int width,
                                const std::string& address) {
  auto* link = new LinkWindow(parent, caption, left, top, width);
  link->address = address;
  return made(link);
}

LinkWindow* LinkWindow::notifying(HWND parent, const char* caption, int left, int top, int width,
                                  HWND notifyWindow, LPARAM value) {
  auto* link = new LinkWindow(parent, caption, left, top, width);
  link->notifyWindow = notifyWindow;
  link->value = value;
  return made(link);
}

LinkWindow* LinkWindow::made(LinkWindow* link) {
  if (link->handle) return link;
  delete link;  // no window, so windowProc would never delete it
  return nullptr;
}

LinkWindow::LinkWindow(HWND parent, const char* text, int x, int y, int linkWidth)
    : caption(text ? text : "") {
  name = "Link Window";
  owner = parent;
  left = x;
  top = y;
  width = linkWidth;
  height = linkHeight;
  // The shared system cursor: never destroyed, since every link of the class uses it.
  cursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));

  registerWindowClass(instance, name, CS_HREDRAW | CS_VREDRAW,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), cursor);

  handle = CreateWindowExA(WS_EX_TOOLWINDOW, name, caption.c_str(),
                           WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, left, top, width, height,
                           parent, nullptr, instance, nullptr);
}

LinkWindow::~LinkWindow() {
  if (tooltip) DestroyWindow(tooltip);
}

HFONT LinkWindow::underlinedFont() {
  if (!underlined) underlined.reset(createLinkFont(font));
  return underlined.get();
}

void LinkWindow::attachTooltip(const char* tip) {
  if (tooltip || !handle) return;
  tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, instance, nullptr);
  if (!tooltip) return;
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // accepted by every comctl32 version
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = handle;
  tool.hinst = instance;
  tool.lpszText = const_cast<char*>(tip ? tip : "");
  GetClientRect(handle, &tool.rect);
  SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SetWindowPos(tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT LinkWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      break;
    case WM_LBUTTONDOWN:
      pressed = true;
      redraw();
      break;
    case WM_LBUTTONUP:
      pressed = false;
      click();
      redraw();
      break;
    case WM_SETFONT:
      font = reinterpret_cast<HFONT>(wParam);
      underlined.reset();  // made again from the new font at the next paint
      if (LOWORD(lParam)) redraw();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font);
    case WM_SIZE:
      if (tooltip) {  // the tip answers over the whole link
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = handle;
        GetClientRect(handle, &tool.rect);
        SendMessageA(tooltip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
      }
      break;
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

void LinkWindow::click() {
  if (notifyWindow)
    SendMessageA(notifyWindow, MSG_LINK_CLICKED, 0, value);
  else if (!address.empty())
    openDocument(address.c_str());
}

void LinkWindow::redraw() {
  RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void LinkWindow::paint() {
  PAINTSTRUCT paintStruct;
  HDC dc = BeginPaint(handle, &paintStruct);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, linkColour);
  {
    GdiSelection selectFont(dc, underlinedFont());
    TextOutA(dc, 2, 0, caption.c_str(), static_cast<int>(caption.size()));
  }
  if (pressed) {
    RECT client;
    GetClientRect(handle, &client);
    DrawFocusRect(dc, &client);
  }
  EndPaint(handle, &paintStruct);
}
