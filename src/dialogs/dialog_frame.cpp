#include "dialogs/dialog_frame.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/path_text.h"
#include "platform/process_window.h"
#include "dialogs/dialog_look.h"
#include "dialogs/dialog_page.h"
#include "dialogs/gdi_objects.h"

namespace {
// One 16x16 icon of the strip (magenta transparent); null when the strip cannot be read.
HICON loadStripIcon(int index) {
  HIMAGELIST strip = ImageList_LoadImageW(nullptr, widePath(iconStripFile).c_str(), 16, 0, RGB(255, 0, 255),
                                          IMAGE_BITMAP, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (!strip) return nullptr;
  HICON icon = ImageList_GetIcon(strip, index, ILD_NORMAL);
  ImageList_Destroy(strip);
  return icon;
}

// Passes Esc released in a control on to its window.
LRESULT CALLBACK escapeForwarder(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR, DWORD_PTR target) {
  if (message == WM_KEYUP && wParam == VK_ESCAPE)
    return SendMessageA(reinterpret_cast<HWND>(target), message, wParam, lParam);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(control, escapeForwarder, 0);
  return DefSubclassProc(control, message, wParam, lParam);
}

// Once per process, whichever thread builds the first dialog.
void initCommonControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                                                          ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)done;
}
}  // namespace

void forwardEscape(HWND control, HWND target) {
  if (control) SetWindowSubclass(control, escapeForwarder, 0, reinterpret_cast<DWORD_PTR>(target));
}

DialogFrame::DialogFrame(const char* className, const WindowLook& look) : ControlHost(look) {
  name = className;
}

DialogFrame::~DialogFrame() {
  tabs.reset();
  releaseChildren();
  if (HWND main = mainWindow) SetActiveWindow(main);
}

bool DialogFrame::createFrame(const FrameLook& look, const char* caption, HWND ownerWindow) {
  initCommonControls();
  width = look.width;
  height = look.height;
  owner = ownerWindow ? ownerWindow : mainWindow.load();
  header = look.header;
  headerPicture = look.picture;
  title = caption ? caption : "";

  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExA(instance, name, &existing)) {
    HICON icon = look.iconResource ? LoadIconA(instance, MAKEINTRESOURCEA(look.iconResource))
                                   : loadStripIcon(look.iconIndex);  // lives as long as the class
    if (!registerWindowClass(instance, name, CS_HREDRAW | CS_VREDRAW,
                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, icon) &&
        icon)
      DestroyIcon(icon);
  }

  DWORD style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU;
  if (look.minimiseBox) style |= WS_MINIMIZEBOX;
  // Made at its 96-dpi place first; the DPI it is then laid out for is that of its display.
  centreFrame();
  handle = CreateWindowExA(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, name, title.c_str(), style, left,
                           top, width, height, owner, nullptr, instance, nullptr);
  if (!handle) return false;
  layout.setDpi(windowDpi(handle));
  centreFrame();
  if (look.transparent) applyWindowOpacity(handle, windowLook.opacity);
  return true;
}

void DialogFrame::centreFrame() {
  const int pixelWidth = layout.px(width), pixelHeight = layout.px(height);
  // Never above or left of the screen, where the caption could not be reached: a large dialog
  // at a high DPI on a small screen would otherwise start there.
  left = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - pixelWidth) / 2);
  top = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - layout.px(100) - pixelHeight) / 2);
  if (handle)
    SetWindowPos(handle, nullptr, left, top, pixelWidth, pixelHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogFrame::layOutFor(UINT dpi) {
  layout.setDpi(dpi);
  sectionFont.reset();  // made again at the new size by the next label
  for (DialogPage* page : pages) page->layout.setDpi(dpi);
  RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void DialogFrame::show() {
  if (handle) ShowWindow(handle, SW_SHOW);
}

HWND DialogFrame::addButton(const char* text, int id, int x, int y) {
  HWND button = addControl("BUTTON", text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, x, y, 70,
                           25, id);
  forwardEscape(button, handle);
  return button;
}

void DialogFrame::addTabStrip() {
  tabs = std::make_unique<TabStrip>(handle, instance, 3, 80, width - 10, height - 150);
  layout.place(tabs->control, tabs->left, tabs->top, tabs->width, tabs->height);
}

void DialogFrame::addPage(const char* text, DialogPage* page) {
  adopt(page);
  pages.push_back(page);
  layout.keep(page->handle, page->left, page->top, page->width, page->height);
  if (tabs) tabs->addPage(text, page->handle);
}

void DialogFrame::paint(HDC dc) {
  band.paint(dc, header, width, headerPicture, title.c_str(), layout.dpi());
}

void DialogFrame::onEscape() { DestroyWindow(handle); }

void DialogFrame::drawSectionLabel(HDC dc, int x, int y, const char* text) {
  if (!sectionFont) sectionFont.reset(createDialogTitleFont(layout.px(sectionFontHeight)));
  GdiSelection selectFont(dc, sectionFont.get());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, labelGrey);
  TextOutA(dc, layout.px(x), layout.px(y), text, lstrlenA(text));
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

LRESULT DialogFrame::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paintStruct;
      HDC dc = BeginPaint(handle, &paintStruct);
      paint(dc);
      EndPaint(handle, &paintStruct);
      return 0;
    }
    case WM_KEYUP:
      if (wParam == VK_ESCAPE) {
        onEscape();
        return 0;
      }
      break;
    case WM_CLOSE:
      DestroyWindow(handle);
      return 0;
    case WM_NOTIFY:
      if (tabs) tabs->notify(reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      left = suggested.left;
      top = suggested.top;
      SetWindowPos(handle, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      layOutFor(LOWORD(wParam));
      return 0;
    }
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}
