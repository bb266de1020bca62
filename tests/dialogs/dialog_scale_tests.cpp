// The dialogs laid out for the display's DPI: this file runs in the dialogs' driver at 96 dpi
// and again in a driver of its own on a 144 dpi (150 %) display (OVIX_TEST_DPI says which).
#include <functional>

#include "dialog_test_support.h"
#include "dialogs/about_dialog.h"
#include "dialogs/config_dialog.h"
#include "dialogs/message_box_window.h"
#include "dialogs/open_dialog.h"
#include "dialogs/photo_list_window.h"
#include "sources/photo_opener.h"

namespace {
// Registered here for both drivers of the dialog tests.
const auto* const environment = ::testing::AddGlobalTestEnvironment(new ProgramFolder);
struct NoOpener : PhotoOpener {
  bool openPhotos(const std::string&, const std::string&) override { return false; }
} noOpener;
LoadingReporter quiet;

RECT screenRect(HWND window, bool client = false) {
  RECT area = {};
  if (client ? GetClientRect(window, &area) && MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2) : GetWindowRect(window, &area)) return area;
  return {};
}

// Every child of `window`, and theirs, lies inside its parent's client area and has the
// control font made for `dpi` (the stock one is the system DPI's); links, buttons and check
// boxes show their whole text on one line; with `wrapped`, a static text shows whole as it wraps.
void expectLaidOut(HWND window, UINT dpi, bool wrapped) {
  LOGFONTA look = {};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof look, &look);
  const LONG fontHeight = MulDiv(look.lfHeight, dpi, windowDpi(nullptr));
  const RECT inside = screenRect(window, true);
  for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
    char kind[64] = "";
    GetClassNameA(control, kind, sizeof kind);
    wchar_t text[1024] = L"";
    GetWindowTextW(control, text, 1024);
    const std::string name = kind;
    SCOPED_TRACE(name + " \"" + windowText(control) + "\"");
    const RECT place = screenRect(control);
    EXPECT_TRUE(place.left >= inside.left && place.top >= inside.top && place.right <= inside.right &&
                place.bottom <= inside.bottom);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (font && GetObjectA(font, sizeof look, &look)) {
      EXPECT_NEAR(look.lfHeight, fontHeight, 1);
    }
    const LONG style = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    const bool wraps = wrapped && name == "Static" && *text;
    if (font && (wraps || name == "Link Window" || (name == "Button" && style != BS_GROUPBOX))) {
      HDC dc = GetDC(control);
      RECT needed = {0, 0, wraps ? place.right - place.left : 0, 0};
      SelectObject(dc, font);  // ReleaseDC puts the common DC back as it was
      DrawTextW(dc, text, -1, &needed, DT_CALCRECT | (wraps ? DT_WORDBREAK | DT_EXPANDTABS : DT_SINGLELINE));
      ReleaseDC(control, dc);
      // A link draws from x = 2; a check box's box and gap take about a line's height.
      const bool box = name == "Button" && style == BS_CHECKBOX;
      EXPECT_LE(wraps ? needed.bottom : needed.right + (box ? needed.bottom + 4 : 2),
                wraps ? place.bottom - place.top : place.right - place.left);
    }
    expectLaidOut(control, dpi, wrapped);
  }
}

// Each dialog's own width and height are its 96-dpi size; the screen is 1024 x 768. The message
// box's text is longer than its three lines, such as the low-memory warning.
TEST(DialogScale, DialogsAreTheirSizeScaledToTheDisplayAndItsChangesWithEveryControlInside) {
  const std::string warning = "Program detekoval nedostatek paměti pro načtení fotek. Ukončete všechny ostatní "
                              "programy, které by mohly zabírat značné množství paměti a program znovu spusťte.",
                    message = warning + "\n\n" + warning;
  const std::pair<const char*, std::function<DialogFrame*()>> dialogs[] = {
      {"config", [] { return new ConfigDialog(); }},
      {"open", [] { return new OpenDialog(noOpener); }},
      {"about", [] { return new AboutDialog(); }},
      {"photo-list", [] { return new PhotoListWindow(quiet); }},  // taller than a 768 px screen allows at 144 dpi
      {"message-box", [&] { return new MessageBoxWindow(nullptr, "Nedostatek paměti!", message.c_str(), 1, false, 0); }}};
  for (const auto& [name, open] : dialogs) {
    SCOPED_TRACE(name);
    DialogFrame* dialog = open();
    ASSERT_EQ(windowDpi(dialog->handle), static_cast<UINT>(OVIX_TEST_DPI));
    RECT place = screenRect(dialog->handle);
    EXPECT_NEAR(place.right - place.left, dialog->width * OVIX_TEST_DPI / 96.0, 2);
    EXPECT_NEAR(place.bottom - place.top, dialog->height * OVIX_TEST_DPI / 96.0, 2);
    EXPECT_TRUE(place.left >= 0 && place.top >= 0);  // the caption stays on the screen
    expectLaidOut(dialog->handle, OVIX_TEST_DPI, true);
    // Moved to a display of another DPI (125 % from 100 %, 100 % from 150 %), it takes the
    // suggested rectangle and lays itself out again; the message box fits its text anew.
    const UINT dpi = OVIX_TEST_DPI == 96 ? 120 : 96;
    RECT suggested = {10, 20, 10 + scaleForDpi(dialog->width, dpi), 20 + scaleForDpi(dialog->height, dpi)};
    SendMessageA(dialog->handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    place = screenRect(dialog->handle);
    suggested.bottom = suggested.top + scaleForDpi(dialog->height, dpi);
    EXPECT_TRUE(EqualRect(&place, &suggested));
    expectLaidOut(dialog->handle, dpi, true);
    DestroyWindow(dialog->handle);
  }
}
}  // namespace
