#pragma once
// A report-style list view (full-row select, one row at a time, selection kept visible)
// whose rows are served from a PhotoList on demand: opening a folder of many thousands of
// photos costs one message, not one per row.
#include <windows.h>

class PhotoList;

class PhotoListView {
public:
  // Creates the "SysListView32" child of `parent` at once.
  PhotoListView(HWND parent, HINSTANCE instance, int left, int top, int width, int height);
  // Destroys the control.
  ~PhotoListView();
  PhotoListView(const PhotoListView&) = delete;
  PhotoListView& operator=(const PhotoListView&) = delete;

  // Appends a column `width` pixels wide, headed by `text` (Windows-1250).
  void addColumn(const char* text, int width);
  // Shows one row per entry of `rows`: its folder, then its name, as Unicode text. `rows` must outlive the
  // view or be replaced first; none shows no rows.
  void showRows(const PhotoList* rows);
  // Answers the control's requests for row texts; the parent forwards every WM_NOTIFY here.
  void notify(const NMHDR* header);
  // Turns the grid lines on or off.
  void showGrid(bool shown);

  HWND control = nullptr;
  HWND parent = nullptr;
  int left = 0, top = 0, width = 0, height = 0;
  int nextColumn = 0;

private:
  const PhotoList* rows = nullptr;
};
