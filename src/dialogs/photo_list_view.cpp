#include "dialogs/photo_list_view.h"

#include <commctrl.h>

#include <string>

#include "sources/photo_list.h"

PhotoListView::PhotoListView(HWND parentWindow, HINSTANCE instance, int x, int y, int viewWidth,
                             int viewHeight)
    : parent(parentWindow), left(x), top(y), width(viewWidth), height(viewHeight) {
  control = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LVS_REPORT | LVS_SINGLESEL |
                                LVS_SHOWSELALWAYS | LVS_OWNERDATA,
                            left, top, width, height, parent, nullptr, instance, nullptr);
  const LRESULT extended = SendMessageA(control, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  SendMessageA(control, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | LVS_EX_FULLROWSELECT);
}

PhotoListView::~PhotoListView() {
  if (control) DestroyWindow(control);
}

void PhotoListView::addColumn(const char* text, int columnWidth) {
  LVCOLUMNA column = {};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = columnWidth;
  column.pszText = const_cast<char*>(text);
  column.iSubItem = nextColumn;
  SendMessageA(control, LVM_INSERTCOLUMNA, nextColumn, reinterpret_cast<LPARAM>(&column));
  ++nextColumn;
}

void PhotoListView::showRows(const PhotoList* list) {
  rows = list;
  SendMessageA(control, LVM_SETITEMCOUNT, list ? list->size() : 0, 0);
}

void PhotoListView::notify(const NMHDR* header) {
  if (!header || header->hwndFrom != control || header->code != LVN_GETDISPINFOA || !rows) return;
  const LVITEMA& item = reinterpret_cast<const NMLVDISPINFOA*>(header)->item;
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows->size()) return;
  const PhotoEntry& entry = *rows->entries[item.iItem];
  const std::string& text = item.iSubItem == 0 ? entry.folder : entry.name;
  lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
}

void PhotoListView::showGrid(bool shown) {
  SendMessageA(control, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, shown ? LVS_EX_GRIDLINES : 0);
}
