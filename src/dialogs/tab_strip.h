#pragma once
// A tab control whose tabs switch between sibling page windows of a dialog.
#include <windows.h>

#include <string>
#include <vector>

// One tab: its text, the page window it shows, and its index among the tabs.
struct TabPage {
  std::string text;
  HWND window = nullptr;
  int index = 0;
};

class TabStrip {
public:
  // Creates the "SysTabControl32" child of `parent` at once (visible, no control id).
  TabStrip(HWND parent, HINSTANCE instance, int left, int top, int width, int height);

  // Appends a tab showing `page` and selects it.
  void addPage(const char* text, HWND page);
  // Makes `page`'s tab the current one and shows its window; hides every other page.
  void select(HWND page);
  // Handles a WM_NOTIFY the dialog received (the dialog then returns 0): when it comes from
  // this control, the page of the tab being left is hidden and the new one shown.
  void notify(const NMHDR* header);

  HWND control = nullptr;
  HWND parent = nullptr;
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<TabPage> pages;  // in the order the tabs were added

private:
  void showCurrentPage(bool show);
};
