#include "dialogs/tab_strip.h"

#include <commctrl.h>

TabStrip::TabStrip(HWND parent, HINSTANCE instance, int left, int top, int width, int height)
    : parent(parent), left(left), top(top), width(width), height(height) {
  control = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, left,
                            top, width, height, parent, nullptr, instance, nullptr);
}

void TabStrip::addPage(const char* text, HWND page) {
  TabPage tab;
  tab.text = text ? text : "";
  tab.window = page;
  tab.index = static_cast<int>(pages.size());
  pages.push_back(tab);

  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(pages.back().text.c_str());
  SendMessageA(control, TCM_INSERTITEMA, tab.index, reinterpret_cast<LPARAM>(&item));
  // Pages lie inside the control's rectangle as its siblings, so the control must stay below
  // them in the Z order. A sibling created later goes below the earlier ones, so this matters
  // when the pages are created after the control.
  SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  select(page);
}

void TabStrip::select(HWND page) {
  for (const TabPage& tab : pages) {
    if (tab.window == page) {
      SendMessageA(control, TCM_SETCURSEL, tab.index, 0);
      ShowWindow(tab.window, SW_SHOW);
    } else {
      ShowWindow(tab.window, SW_HIDE);
    }
  }
}

void TabStrip::notify(const NMHDR* header) {
  if (!header || header->hwndFrom != control) return;
  if (header->code == static_cast<UINT>(TCN_SELCHANGING))
    showCurrentPage(false);
  else if (header->code == static_cast<UINT>(TCN_SELCHANGE))
    showCurrentPage(true);
}

void TabStrip::showCurrentPage(bool show) {
  const LRESULT current = SendMessageA(control, TCM_GETCURSEL, 0, 0);
  if (current < 0 || current >= static_cast<LRESULT>(pages.size())) return;
  ShowWindow(pages[current].window, show ? SW_SHOW : SW_HIDE);
}
