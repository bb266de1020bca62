// The fixed shortcuts as a user presses them on a running Ovix with a show open.
#include <gtest/gtest.h>
#include <windows.h>

#include "show_driver.h"

namespace {
// Keys are polled once per frame, so a key is held until the frame has seen it: the key goes
// down, Ovix is watched for `photo` (or a frame's worth of time for a key that changes
// nothing), then the key comes up.
bool pressUntilShown(HWND window, int key, int photo) {
  PostMessageA(window, WM_KEYDOWN, key, 0);
  const bool shown = waitFor([&] { return shownPhoto(window) == photo; }, 10000);
  PostMessageA(window, WM_KEYUP, key, 0);
  return shown;
}
}  // namespace

TEST(Keyboard, ArrowsHomeEndAndCtrlQDriveTheShow) {
  const std::string folder = makePhotoFolder(10);
  ASSERT_FALSE(folder.empty());
  OvixProcess ovix;
  ASSERT_TRUE(ovix.start([&](const std::string& program) {
    writeFile(program + "\\config.conf", testConfig(1000000, 8));  // no slideshow steps
  }));
  ASSERT_TRUE(ovix.waitForWindow());
  ASSERT_TRUE(openFolderThroughDialog(ovix, folder));
  HWND window = ovix.window();
  ASSERT_TRUE(waitFor([&] { return shownPhoto(window) == 1; }));

  for (int photo = 2; photo <= 5; ++photo)
    EXPECT_TRUE(pressUntilShown(window, VK_RIGHT, photo)) << "after " << photo - 1 << " steps";
  EXPECT_TRUE(pressUntilShown(window, VK_END, 10));
  EXPECT_TRUE(pressUntilShown(window, VK_HOME, 1));

  PostMessageA(window, WM_KEYDOWN, VK_CONTROL, 0);
  PostMessageA(window, WM_KEYDOWN, 'Q', 0);
  DWORD exitCode = 99;
  ASSERT_TRUE(ovix.waitForExit(30000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  removeFolder(folder);
}
