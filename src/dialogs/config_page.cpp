#include "dialogs/config_page.h"

#include <cstdlib>
#include <string>

#include "dialogs/dialog_frame.h"

namespace {
constexpr DWORD childStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
}

ConfigPage::ConfigPage(const DialogFrame& dialog, const char* className, const char* section)
    : DialogPage(dialog, className),
      texts(openLanguage({"Windows", "Config", section})) {}

LRESULT ConfigPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if ((GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_CHECKBOX) {
      SendMessageA(control, BM_SETCHECK, isTicked(control) ? BST_UNCHECKED : BST_CHECKED, 0);
      return 0;
    }
  }
  return DialogPage::handleMessage(message, wParam, lParam);
}

HWND ConfigPage::addCheckBox(const char* key, int x, int y, int boxWidth, int id, bool ticked) {
  HWND box = addControl("BUTTON", texts->text(key).c_str(),
                        childStyle | WS_TABSTOP | BS_CHECKBOX | BS_NOTIFY, 0, x, y, boxWidth, 16, id);
  SendMessageA(box, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
  forwardEscape(box, handle);
  return box;
}

HWND ConfigPage::addDropList(int x, int y, int listWidth, int dropHeight) {
  return addControl("COMBOBOX", "", childStyle | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                    x, y, listWidth, dropHeight, 0);
}

HWND ConfigPage::addField(const char* text, int x, int y, int fieldWidth, int fieldHeight) {
  return addControl("EDIT", text, childStyle | ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, x,
                    y, fieldWidth, fieldHeight, 0);
}

HWND ConfigPage::addArrows(int x, int y) {
  return addControl("SCROLLBAR", "", childStyle | SBS_VERT, 0, x, y, 17, 20, 0);
}

void ConfigPage::drawPageText(HDC dc, int x, int y, const char* key) {
  drawLabel(dc, x, y, texts->text(key).c_str());
}

bool isTicked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

int fieldNumber(HWND field) {
  char text[32] = "";
  GetWindowTextA(field, text, sizeof text);
  return std::atoi(text);
}

void setFieldNumber(HWND field, int number) {
  SetWindowTextA(field, std::to_string(number).c_str());
}
