// The dialogs laid out for the display's DPI: this file runs in the dialogs' driver at 96 dpi
// and again in a driver of its own on a 144 dpi (150 %) display. Screenshots of each dialog are
// left in the driver's folder ("<name>-<dpi>dpi.png") for a reader to look at.
#include <functional>
#include <string>

#include "dialog_test_support.h"
#include "dialogs/about_dialog.h"
#include "dialogs/config_dialog.h"
#include "dialogs/message_box_window.h"
#include "dialogs/open_dialog.h"
#include "platform/display_scale.h"
#include "sources/photo_opener.h"

#ifndef OVIX_TEST_DPI
#define OVIX_TEST_DPI 96
#endif

namespace {
struct NoOpener : PhotoOpener {
  bool openPhotos(const std::string&, const std::string&) override { return false; }
} noOpener;

RECT screenRect(HWND window, bool client) {
  RECT area = {};
  if (!client) GetWindowRect(window, &area);
  else if (GetClientRect(window, &area)) MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// Every child of `window`, and theirs, lies inside its parent's client area, carries a font of
// `fontHeight` and shows its whole text on one line (links, buttons and check boxes).
void expectLaidOut(HWND window, LONG fontHeight) {
  const RECT inside = screenRect(window, true);
  for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
    char kind[64] = "";
    GetClassNameA(control, kind, sizeof kind);
    const std::string text = windowText(control);
    SCOPED_TRACE(std::string(kind) + " \"" + text + "\"");
    const RECT place = screenRect(control, false);
    EXPECT_TRUE(place.left >= inside.left && place.top >= inside.top && place.right <= inside.right &&
                place.bottom <= inside.bottom);
    if (auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0))) {
      LOGFONTA look = {};
      GetObjectA(font, sizeof look, &look);
      EXPECT_NEAR(look.lfHeight, fontHeight, 1);
      const std::string name = kind;
      if (name == "Link Window" || (name == "Button" && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX)) {
        HDC dc = GetDC(control);
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE extent = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        // A link draws from x = 2; a check box's box and gap take about a line's height.
        const bool box = name == "Button" && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_CHECKBOX;
        EXPECT_LE(extent.cx + (box ? extent.cy + 4 : 2), place.right - place.left);
      }
    }
    expectLaidOut(control, fontHeight);
  }
}

// The control font's height at `dpi`: the stock font is made for the system's.
LONG fontHeightAt(UINT dpi) {
  LOGFONTA look = {};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof look, &look);
  return MulDiv(look.lfHeight, dpi, windowDpi(nullptr));
}

// Each dialog's own width and height are its 96-dpi size.
TEST(DialogScale, DialogsAreTheirSizeScaledToTheDisplayWithEveryControlInside) {
  const struct {
    const char* name;
    std::function<DialogFrame*()> open;
  } dialogs[] = {{"config", [] { return new ConfigDialog(); }},
                 {"open", [] { return new OpenDialog(noOpener); }},
                 {"about", [] { return new AboutDialog(); }},
                 {"message-box", [] {
                    return new MessageBoxWindow(nullptr, "Špatná cesta", "Cesta 'Q:\\Nikde' není platná.", 1, false, 0);
                  }}};
  for (const auto& dialog : dialogs) {
    SCOPED_TRACE(dialog.name);
    DialogFrame* frame = dialog.open();
    HWND window = frame->handle;
    ASSERT_EQ(windowDpi(window), static_cast<UINT>(OVIX_TEST_DPI));
    const RECT place = screenRect(window, false);
    EXPECT_NEAR(place.right - place.left, frame->width * OVIX_TEST_DPI / 96.0, 2);
    EXPECT_NEAR(place.bottom - place.top, frame->height * OVIX_TEST_DPI / 96.0, 2);
    expectLaidOut(window, fontHeightAt(OVIX_TEST_DPI));
    saveScreenshot(window, (std::string(dialog.name) + "-" + std::to_string(OVIX_TEST_DPI) + "dpi.png").c_str());
    DestroyWindow(window);
  }
}

// Moved to a display of a third more DPI, the configuration dialog takes the suggested rectangle
// and its pages, controls and fonts follow.
TEST(DialogScale, ADpiChangeTakesTheSuggestedRectangleAndLaysTheDialogOutAgain) {
  auto* dialog = new ConfigDialog();
  const UINT dpi = OVIX_TEST_DPI * 4 / 3;  // the window stays within the screen
  RECT suggested = {10, 20, 10 + scaleForDpi(dialog->width, dpi), 20 + scaleForDpi(dialog->height, dpi)};
  SendMessageA(dialog->handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  const RECT place = screenRect(dialog->handle, false);
  EXPECT_TRUE(EqualRect(&place, &suggested));
  const RECT save = screenRect(dialog->saveButton, false), client = screenRect(dialog->handle, true);
  EXPECT_EQ(save.left - client.left, scaleForDpi(dialog->leftButtonX(), dpi));
  EXPECT_EQ(save.bottom - save.top, scaleForDpi(25, dpi));
  expectLaidOut(dialog->handle, fontHeightAt(dpi));
  DestroyWindow(dialog->handle);
}
}  // namespace
