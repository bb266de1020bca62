#include "dialogs/control_host.h"

#include "dialogs/gdi_objects.h"
#include "dialogs/link_window.h"
#include "platform/process_window.h"
#include "platform/window_registry.h"

ControlHost::ControlHost(const WindowLook& look) : windowLook(look), layout(look.font) {}

ControlHost::~ControlHost() { releaseChildren(); }

HWND ControlHost::addControl(const char* className, const char* text, DWORD style,
                             DWORD extendedStyle, int x, int y, int controlWidth,
                             int controlHeight, int id) {
  if (!handle) return nullptr;
  HWND control = CreateWindowExA(extendedStyle, className, text, style, layout.px(x), layout.px(y),
                                 layout.px(controlWidth), layout.px(controlHeight), handle,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  return layout.keep(control, x, y, controlWidth, controlHeight);
}

LinkWindow* ControlHost::addOpeningLink(const char* caption, const std::string& address, int x,
                                        int y, int linkWidth, const char* tip) {
  return placeLink(LinkWindow::opening(handle, caption, x, y, linkWidth, address), tip);
}

LinkWindow* ControlHost::addNotifyingLink(const char* caption, LPARAM value, int x, int y,
                                          int linkWidth, const char* tip) {
  return placeLink(LinkWindow::notifying(handle, caption, x, y, linkWidth, handle, value), tip);
}

LinkWindow* ControlHost::placeLink(LinkWindow* link, const char* tip) {
  if (!link) return nullptr;
  adopt(link);
  layout.place(link->handle, link->left, link->top, link->width, link->height);
  link->attachTooltip(tip);
  ShowWindow(link->handle, SW_SHOW);
  return link;
}

void ControlHost::drawLabel(HDC dc, int x, int y, const char* text) {
  GdiSelection selectFont(dc, layout.font());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
  TextOutA(dc, layout.px(x), layout.px(y), text, lstrlenA(text));
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

void ControlHost::adopt(WindowBase* child) { ownedChildren.push_back({child, child->handle}); }

void ControlHost::releaseChildren() {
  for (const OwnedChild& child : ownedChildren) {
    if (!child.window)
      delete child.object;  // its window never existed, so nothing else will delete it
    else if (WindowRegistry::find(child.window) == child.object)
      DestroyWindow(child.window);  // windowProc deletes the object on its WM_DESTROY
  }
  ownedChildren.clear();
}
