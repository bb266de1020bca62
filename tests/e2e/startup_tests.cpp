// Ovix started as a user starts it: the main window, its modes, its frame and its end.
#include <gtest/gtest.h>

#include "support/harness.h"

namespace {
std::string screenshotPath(const char* name) { return std::string(name) + ".png"; }
}  // namespace

TEST(Startup, DefaultStartIsBorderlessFullScreenAndToggles) {
  OvixProcess ovix;
  ASSERT_TRUE(ovix.start());
  ASSERT_TRUE(ovix.waitForWindow());
  HWND window = ovix.window();
  RECT place;
  ASSERT_TRUE(waitFor([&] {
    GetWindowRect(window, &place);
    return place.left == 0 && place.top == 0 && place.right == GetSystemMetrics(SM_CXSCREEN) &&
           place.bottom == GetSystemMetrics(SM_CYSCREEN);
  }));
  LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_NE(style & WS_CAPTION, WS_CAPTION);  // a thin border, no title bar

  Capture capture;
  ASSERT_TRUE(ovix.captureClient(capture));
  capture.savePng(screenshotPath("startup-default"));

  PostMessageA(window, WM_CLOSE, 0, 0);
  DWORD exitCode = 99;
  ASSERT_TRUE(ovix.waitForExit(30000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}
