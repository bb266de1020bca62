// What the user sees of the message box and the progress window: the header band with its
// line, pictures and title, and the progress window's border, picture and status. Each capture
// is saved as a PNG beside the test log.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "dialogs/dialog_look.h"
#include "dialogs/message_box_window.h"
#include "dialogs/progress_window.h"

namespace {
const bool environment = (installDialogEnvironment(), true);

constexpr COLORREF white = RGB(255, 255, 255);

// Offset of the client area inside the captured window.
POINT clientOffset(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  return {origin.x - place.left, origin.y - place.top};
}

// Non-white pixels of a 64x64 picture spot: the picture is drawn there (or not).
int pictureInk(const Capture& capture, POINT client, int x, int y) {
  return 64 * 64 - countColour(capture, client.x + x, client.y + y, client.x + x + 64,
                               client.y + y + 64, white, 8);
}

TEST(Screenshots, MessageBoxShowsItsHeaderBand) {
  MessageRecorder owner;
  auto* box = new MessageBoxWindow(owner.handle, "Špatná cesta",
                                   "Cesta 'Q:\\Nikde' není platnou cestou k souborům.", 1, false, 0);
  HWND window = box->handle;
  Capture capture;
  ASSERT_TRUE(captureWindow(window, capture));
  capture.savePng(testOutputFolder() + "\\message-box.png");
  const POINT client = clientOffset(window);

  // White band above a grey line 4 px thick ending at y 68 (the band's bottom edge).
  EXPECT_GT(countColour(capture, client.x + 70, client.y + 2, client.x + 220, client.y + 14, white),
            140 * 10);
  EXPECT_GT(countColour(capture, client.x, client.y + 64, client.x + 280, client.y + 70,
                        labelGrey, 2),
            280 * 3);
  // The title in its colour, starting at (70, 18).
  EXPECT_GT(countColour(capture, client.x + 70, client.y + 14, client.x + 230, client.y + 50,
                        titleColour, 24),
            30);
  // Below the band the button face, not white.
  EXPECT_LT(countColour(capture, client.x + 5, client.y + 140, client.x + 100, client.y + 150, white),
            10);
  if (fileExists(programPicture)) {
    EXPECT_GT(pictureInk(capture, client, 0, 1), 200);
  }
  if (fileExists(framesPicture)) {
    EXPECT_GT(pictureInk(capture, client, 300 - 70, 1), 200);
  }
  DestroyWindow(window);
}

TEST(Screenshots, ProgressWindowShowsBorderPictureAndStatus) {
  auto* progress = new ProgressWindow();
  HWND window = progress->handle;
  progress->setStatus("IMG_0001_long_name.jpg");
  Capture capture;
  ASSERT_TRUE(captureWindow(window, capture));
  capture.savePng(testOutputFolder() + "\\progress-window.png");

  ASSERT_EQ(capture.width, 200);
  ASSERT_EQ(capture.height, 70);
  // A grey border along the top edge and a grey status line right of the picture.
  EXPECT_GT(countColour(capture, 0, 0, 200, 3, labelGrey, 2), 150);
  EXPECT_GT(countColour(capture, 62, 4, 200, 28, labelGrey, 40), 20);
  if (fileExists(programPicture)) {
    EXPECT_GT(pictureInk(capture, {0, 0}, 2, 4), 200);
  }
  DestroyWindow(window);
}
}  // namespace
