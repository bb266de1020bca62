#include "dialogs/photo_list_view.h"

#include <commctrl.h>

#include <string>

#include "platform/ansi_text.h"
#include "platform/path_text.h"
#include "sources/photo_list.h"

PhotoListView::PhotoListView(HWND parentWindow, HINSTANCE instance, int x, int y, int viewWidth,
                             int viewHeight)
    : parent(parentWindow), left(x), top(y), width(viewWidth), height(viewHeight) {
  control = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL |
                                LVS_SHOWSELALWAYS | LVS_OWNERDATA,
                            left, top, width, height, parent, nullptr, instance, nullptr);
  // Row texts are asked for as Unicode (LVN_GETDISPINFOW), so every file name shows as it is.
  SendMessageW(control, LVM_SETUNICODEFORMAT, TRUE, 0);
  const LRESULT extended = SendMessageA(control, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  SendMessageA(control, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | LVS_EX_FULLROWSELECT);
}

PhotoListView::~PhotoListView() {
  if (control) DestroyWindow(control);
}

void PhotoListView::addColumn(const char* text, int columnWidth) {
  std::wstring wide = wideFromCp1250(text);
  LVCOLUMNW column = {};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = columnWidth;
  column.pszText = wide.data();
  column.iSubItem = nextColumn;
  SendMessageW(control, LVM_INSERTCOLUMNW, nextColumn, reinterpret_cast<LPARAM>(&column));
  ++nextColumn;
}

void PhotoListView::showRows(const PhotoList* list) {
  rows = list;
  SendMessageA(control, LVM_SETITEMCOUNT, list ? list->size() : 0, 0);
}

void PhotoListView::notify(const NMHDR* header) {
  if (!header || header->hwndFrom != control || header->code != LVN_GETDISPINFOW || !rows) return;
  const LVITEMW& item = reinterpret_cast<const NMLVDISPINFOW*>(header)->item;
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows->size()) return;
  const PhotoEntry& entry = *rows->entries[item.iItem];
  const std::wstring text = wideText(item.iSubItem == 0 ? entry.folder : entry.name);
  lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
}

void PhotoListView::showGrid(bool shown) {
  SendMessageA(control, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, shown ? LVS_EX_GRIDLINES : 0);
}
