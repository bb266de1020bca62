#pragma once
// The frame every Ovix dialog shares: a modeless top-level window owned by the main window,
// centred a little above the screen's middle, with the painted header band, standard controls
// in the dialog font, optional tab pages and links, and the common closing rules (Esc on
// release, WM_CLOSE, the close buttons). Derived dialogs open their own texts, call
// createFrame, add their controls and call show, all from their constructors; they are
// allocated with new and delete themselves when their window is destroyed.
#include <memory>
#include <string>
#include <vector>

#include "dialogs/control_host.h"
#include "dialogs/gdi_objects.h"
#include "dialogs/header_band.h"
#include "dialogs/tab_strip.h"

class DialogPage;

// Makes Esc released in `control` reach `target` (a dialog, or a page that passes it on), so
// Esc closes the dialog wherever the keyboard focus is. Ignores a null control.
void forwardEscape(HWND control, HWND target);

// What distinguishes one dialog's frame from another's.
struct FrameLook {
  int width = 0;                  // outer window size
  int height = 0;
  int iconIndex = 0;              // 16x16 icon of the icon strip used as the class icon
  bool minimiseBox = false;
  HeaderStyle header = HeaderStyle::none;
  const char* picture = nullptr;  // the header's left picture (a file path), or none
  int iconResource = 0;           // a program icon resource used instead of the strip's icon
  bool transparent = true;        // follows the window opacity setting
};

class DialogFrame : public ControlHost {
public:
  // Destroys the page and link windows (which deletes their objects), makes the main window
  // active again and leaves the registry. Derived members (texts) are gone before this runs.
  ~DialogFrame() override;

  // WM_PAINT: paint; WM_KEYUP with Esc: onEscape; WM_CLOSE: destroy; WM_NOTIFY: the tab strip,
  // then 0; WM_DPICHANGED: takes the suggested rectangle and lays the dialog out again for the
  // new DPI; everything else: the default window procedure. Derived dialogs handle their own
  // messages first and pass the rest here.
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Spots of the two closing buttons, left and right, and their common top.
  int leftButtonX() const { return width - 165; }
  int rightButtonX() const { return width - 85; }
  int buttonY() const { return height - 65; }

  // width and height (WindowBase) are 96-dpi units; left and top are the window's pixels.
  std::string title;  // window caption and header title
  HeaderStyle header = HeaderStyle::none;
  const char* headerPicture = nullptr;
  std::unique_ptr<TabStrip> tabs;

protected:
  // Registers the object (no window yet) with `className` as class name and `look` for its
  // window and controls. Dialogs of the main thread take the settings' look; one built on
  // another thread is handed a copy made on the thread that asked for it.
  explicit DialogFrame(const char* className, const WindowLook& look = settingsLook());

  // Registers the class (once) with its icon from the strip, creates the window owned by
  // `ownerWindow` (the main window when none) with `caption` as window text and header title,
  // sized and centred for the DPI of its display, and applies the window opacity. The window is
  // not shown yet. False when the window could not be created; the object then stays without a
  // handle.
  bool createFrame(const FrameLook& look, const char* caption, HWND ownerWindow = nullptr);
  // Sizes the window to width x height at the layout's DPI and centres it a little above the
  // screen's middle; a frame whose size changed after createFrame calls it again.
  void centreFrame();
  // Shows the finished dialog.
  void show();

  // A 70x25 push button; Esc released while it has the focus still closes the dialog.
  HWND addButton(const char* text, int id, int x, int y);
  // The tab strip at (3, 80), (width - 10) x (height - 150), in the dialog font.
  void addTabStrip();
  // Appends a tab for `page` (created with this dialog as parent) and selects it; the page
  // window is torn down with the dialog.
  void addPage(const char* text, DialogPage* page);

  // Paints the header band; derived dialogs add their labels after calling this.
  virtual void paint(HDC dc);
  // Esc released in the dialog: destroys it. The message box answers first.
  virtual void onEscape();
  // Draws a section label (bold Times New Roman, grey) at (x, y).
  void drawSectionLabel(HDC dc, int x, int y, const char* text);

private:
  std::vector<DialogPage*> pages;  // laid out again with the dialog
  HeaderBand band;                  // paints the header with what it made once
  GdiObject<HFONT> sectionFont;     // the labels' font at the layout's DPI, made by the first
  // Lays the dialog, its pages and their controls out for `dpi`.
  void layOutFor(UINT dpi);
};
