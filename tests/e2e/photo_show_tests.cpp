// The photo show as a user drives it in a running Ovix: a folder opened through the dialog, the
// slideshow, the buttons of the navigation bar and the film strip, reopening, the photo list, the music and
// quitting; closing while a photo decodes.
#include <gtest/gtest.h>
#include <windows.h>
#include <vfw.h>

#include <tuple>

#include "glui/navigation_bar.h"
#include "music/wave_files.h"
#include "show_driver.h"

namespace {
constexpr double stripDepth = -1.48, navigationX = 0.709;

// Ovix started for a show (startForShow), `folder` opened through the dialog, or `arguments` on
// the command line when given.
void startShow(OvixProcess& ovix, const std::string& folder, int flipTime, const std::string& musicDir = "",
               const std::string& arguments = "") {
  ovix.arguments = arguments;
  ASSERT_TRUE(startForShow(ovix, flipTime, musicDir));
  if (arguments.empty()) {
    ASSERT_TRUE(openFolderThroughDialog(ovix, folder));
  }
}
}  // namespace

TEST(PhotoShow, PlaysPausesNavigatesReopensListsPlaysMusicAndQuits) {
  const std::string photos = makePhotoFolder(10), music = makeScratchFolder("ovix-music");
  ASSERT_TRUE(writeTone(music + "\\tone.wav", 120.0, 330));
  OvixProcess ovix;
  startShow(ovix, photos, 100, music);
  HWND window = ovix.window();

  // The slideshow runs from photo 1 to the next group's first; paused, the bar and the film strip
  // are clicked. How each command moves the show is the in-process tests'; here their buttons.
  ASSERT_TRUE(waitFor([&] { return shownPhoto(window) == 5; }, 60000));
  const double pauseY = 0.33 - 0.105 * navigationPause;
  clickScene(window, navigationX, pauseY);
  const std::tuple<const char*, double, double, double, int> steps[] = {  // what, where, the photo then
      {"first", navigationX, 0.33 - 0.105 * navigationFirst, barDepth, 1},
      {"next page", 0.46, -0.47, stripDepth, 5},
      {"thumbnail 3", -0.355 + 0.23 * 2, -0.472, barDepth, 7},
  };
  for (const auto& [what, x, y, z, expected] : steps) {
    clickScene(window, x, y, z);
    EXPECT_TRUE(waitFor([&, expected = expected] { return shownPhoto(window) == expected; }, 20000)) << what << " shows " << shownPhoto(window);
  }

  // The music plays (seen from outside: its MCI window); how its bar drives it is the music
  // bar's in-process test.
  EXPECT_TRUE(waitFor([&] {
    HWND player = findProcessWindow(ovix.processId(), "MCIWndClass");
    return player && SendMessageA(player, MCIWNDM_GETMODEA, 0, 0) == MCI_MODE_PLAY;
  }));

  // Playing on, the slideshow steps from where it was; the folder opened again replaces the show.
  clickScene(window, navigationX, pauseY);
  EXPECT_TRUE(waitFor([&] { return shownPhoto(window) == 8; }));
  ASSERT_TRUE(openFolderThroughDialog(ovix, photos) && waitFor([&] { return shownPhoto(window) == 1; }));

  // Ctrl+L: the photo list of the folder the dialog opened. Keys are polled once per frame, so
  // they stay down until the window comes; Ctrl+Q then ends Ovix.
  PostMessageA(window, WM_KEYDOWN, VK_CONTROL, 0);
  PostMessageA(window, WM_KEYDOWN, 'L', 0);
  HWND list = ovix.waitForWindowOf("Ovix - Seznam fotek");
  ASSERT_TRUE(list);
  char count[16] = "";  // the second field; the in-process test sees the rest of the list
  SendMessageA(FindWindowExA(list, FindWindowExA(list, nullptr, "Edit", nullptr), "Edit", nullptr), WM_GETTEXT, sizeof count,
               reinterpret_cast<LPARAM>(count));
  EXPECT_STREQ(count, "10");
  PostMessageA(window, WM_KEYDOWN, VK_CONTROL, 0);
  PostMessageA(window, WM_KEYDOWN, 'Q', 0);
  EXPECT_TRUE(ovix.endsCleanly());
  removeFolder(photos);
  removeFolder(music);
}

// Closing Ovix ends it promptly with exit code 0 while the show waits for a photo still being
// decoded. (Closing during scans is the in-process test's; the close benchmark times both.)
TEST(PhotoShow, ADecodeDoesNotHoldTheExit) {
  const std::string photos = makeScratchFolder("ovix-big");
  ASSERT_TRUE(CopyFileA("Z:" OVIX_BIG_PHOTO, (photos + "\\big.jpg").c_str(), FALSE));
  OvixProcess ovix;
  startShow(ovix, photos, 100000);
  // The progress window shows once the wait outlasts a moment: the decode is under way.
  EXPECT_TRUE(ovix.waitForWindowOf("Progress class"));
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  // Well within the decode's own seconds; a loaded machine gets three times the promised second.
  EXPECT_TRUE(ovix.endsCleanly(3000));
  removeFolder(photos);
}

// "ovix.exe FOLDER" from a shortcut and "ovix.exe "FOLDER\photo03.png"" as "Open with" passes it
// start the show at once, no dialog touched; shut-down stores where the show stood.
TEST(PhotoShow, ACommandLinePathStartsTheShowAtOnceAndShutDownStoresWhereItStood) {
  const std::string photos = makePhotoFolder(6);
  const std::pair<std::string, int> rows[] = {{photos, 1}, {"\"" + photos + "\\photo03.png\"", 3}};
  for (const auto& [arguments, expected] : rows) {
    OvixProcess ovix;
    startShow(ovix, "", 100000, "", arguments);
    EXPECT_TRUE(waitFor([&, expected = expected] { return shownPhoto(ovix.window()) == expected; }, 20000)) << arguments;
    EXPECT_FALSE(findProcessWindow(ovix.processId(), "Ovix - Otevřít fotky"));
    PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(ovix.endsCleanly());
    const std::string stored = "last_photo=photo0" + std::to_string(expected) + ".png;";
    EXPECT_NE(readFile(ovix.path("config.conf")).find(stored), std::string::npos) << stored;
  }
  removeFolder(photos);
}
