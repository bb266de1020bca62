// What the user sees: the header band with its line, pictures and title on a message box and
// a tabbed dialog, and the progress window's border, picture and status. Each capture is saved
// as a PNG beside the test log.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "dialogs/dialog_look.h"
#include "dialogs/message_box_window.h"
#include "dialogs/progress_window.h"
#include "tabbed_test_dialog.h"

namespace {
const bool environment = (installDialogEnvironment(), true);
constexpr COLORREF white = RGB(255, 255, 255);

// Ink (non-white pixels) in the 64x64 spot of a header picture.
int pictureInk(const Capture& capture, POINT client, int x, int y) {
  return 64 * 64 - countColour(capture, client, x, y, x + 64, y + 64, white, 8);
}

TEST(Screenshots, HeaderBandsOfTheMessageBoxAndATabbedDialog) {
  struct Case {
    const char* file;
    int bandBottom;
    POINT title, picture;
    int width;
  };
  MessageRecorder owner;
  const Case cases[] = {{"message-box.png", 68, {70, 18}, {0, 1}, 300},
                        {"tabbed-dialog.png", 75, {85, 22}, {5, 5}, 350}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    // One at a time: both are centred on the same spot.
    HWND window = c.width == 300 ? (new MessageBoxWindow(owner.handle, "Špatná cesta",
                                                         "Cesta 'Q:\\Nikde' není platnou cestou k souborům.",
                                                         1, false, 0))->handle
                                 : (new TabbedTestDialog("Tabs"))->handle;
    Capture capture;
    POINT client;
    ASSERT_TRUE(captureWindow(window, capture, client));
    capture.savePng(testOutputFolder() + "\\" + c.file);
    // White band, its grey lower edge, the title in its colour, the button face below.
    EXPECT_GT(countColour(capture, client, c.title.x, 2, c.title.x + 120, 12, white), 1000);
    EXPECT_GT(countColour(capture, client, 0, c.bandBottom - 4, 280, c.bandBottom, labelGrey, 2), 280 * 3);
    EXPECT_GT(countColour(capture, client, c.title.x, c.title.y, c.title.x + 150, c.title.y + 30,
                          titleColour, 24), 30);
    EXPECT_LT(countColour(capture, client, 5, 140, 100, 150, white), 10);
    EXPECT_GT(pictureInk(capture, client, c.picture.x, c.picture.y), 200);
    EXPECT_GT(pictureInk(capture, client, c.width - 70, c.picture.y), 200);  // frames.bmp
    if (c.width == 350) {  // the first page covers the tab control's white body
      EXPECT_GT(countColour(capture, client, 10, 110, 300, 180, GetSysColor(COLOR_BTNFACE)), 290 * 63);
    }
    DestroyWindow(window);
  }
}

TEST(Screenshots, ProgressWindowShowsBorderPictureAndStatus) {
  auto* progress = new ProgressWindow();
  progress->setStatus("IMG_0001_long_name.jpg");
  Capture capture;
  POINT client;
  ASSERT_TRUE(captureWindow(progress->handle, capture, client));
  capture.savePng(testOutputFolder() + "\\progress-window.png");
  ASSERT_EQ(capture.width, 200);
  EXPECT_GT(countColour(capture, client, 0, 0, 200, 3, labelGrey, 2), 150);  // border
  EXPECT_GT(countColour(capture, client, 62, 4, 200, 28, labelGrey, 40), 20);  // status
  EXPECT_GT(pictureInk(capture, client, 2, 4), 200);
  DestroyWindow(progress->handle);
}
}  // namespace
