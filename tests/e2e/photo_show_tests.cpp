// The photo show as a user drives it in a running Ovix: a folder opened through the dialog, the
// slideshow, the navigation bar and the film strip, the photo list, the music bar and quitting;
// empty and unreadable folders; a drive root as music folder; closing while a photo decodes.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>
#include <vfw.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "glui/navigation_bar.h"
#include "music/music_bar.h"
#include "music/wave_files.h"
#include "show_driver.h"

namespace {
void startShow(OvixProcess& ovix, const std::string& folder, const std::string& config) {
  ASSERT_TRUE(ovix.start([&](const std::string& program) { writeFile(program + "\\config.conf", config); }));
  ASSERT_TRUE(ovix.waitForWindow());
  ASSERT_TRUE(openFolderThroughDialog(ovix, folder));
}

// The show's own frame with nothing to show: dark above and below the middle (the open dialog
// and the photos before are not) and a light grey line of letters across it.
bool saysWhyNothingShows(const Capture& capture) {
  const int w = capture.width, h = capture.height;
  auto dark = [&](int x, int y) {
    const uint32_t p = capture.at(x, y);
    return std::max({redOf(p), greenOf(p), blueOf(p)}) < 40;
  };
  int letters = 0;  // light grey pixels
  for (int y = h / 2 - 10; y < h / 2 + 10; ++y)
    for (int x = w / 3; x < w * 2 / 3; ++x) {
      const uint32_t p = capture.at(x, y);
      letters += redOf(p) > 200 && redOf(p) == greenOf(p) && greenOf(p) == blueOf(p);
    }
  return letters > 20 && dark(w / 2, h / 2 - 40) && dark(w / 2, h / 2 + 40);
}
}  // namespace

TEST(PhotoShow, PlaysPausesNavigatesListsPlaysMusicAndQuits) {
  const std::string photos = makePhotoFolder(10), music = makeScratchFolder("ovix-music");
  ASSERT_TRUE(writeTone(music + "\\tone.wav", 120.0, 330));
  OvixProcess ovix;
  startShow(ovix, photos, testConfig(100, music));
  HWND window = ovix.window();

  // Photos 1-4, then the next group starts on 5.
  std::vector<int> seen;
  ULONGLONG secondAt = 0;
  ASSERT_TRUE(waitFor([&] {
    const int n = shownPhoto(window);
    if (n != 0 && (seen.empty() || seen.back() != n)) {
      seen.push_back(n);
      if (seen.size() == 2) secondAt = GetTickCount64();
    }
    return n == 5;
  }, 60000));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
  Capture shot;
  if (ovix.captureClient(shot)) shot.savePng("show-group-2.png");

  // Paused on the bar's button for three slide intervals, the photo stays.
  clickAt(window, navigationButton(window, navigationPause));
  const int pausedOn = shownPhoto(window);
  const ULONGLONG until = GetTickCount64() + (GetTickCount64() - secondAt);
  while (GetTickCount64() < until) ASSERT_EQ(shownPhoto(window), pausedOn);

  const struct {
    const char* what;
    POINT at;
    int expected;
  } steps[] = {
      {"last", navigationButton(window, navigationLast), 10},
      {"first", navigationButton(window, navigationFirst), 1},
      {"next page", stripArrow(window, true), 5},
      {"thumbnail 3", thumbnailCentre(window, 2), 7},
      {"previous page", stripArrow(window, false), 1},
      {"previous page from the first: the four before it", stripArrow(window, false), 7},
  };
  for (const auto& step : steps) {
    clickAt(window, step.at);
    EXPECT_TRUE(waitFor([&] { return shownPhoto(window) == step.expected; }, 20000)) << step.what << " shows " << shownPhoto(window);
  }

  // The music plays from the start (seen from outside: its MCI window); the music bar's pause
  // button pauses it and plays it on.
  auto musicIn = [&](LRESULT mode) {
    return waitFor([&] {
      HWND player = findProcessWindow(ovix.processId(), "MCIWndClass");
      return player && SendMessageA(player, MCIWNDM_GETMODEA, 0, 0) == mode;
    });
  };
  EXPECT_TRUE(musicIn(MCI_MODE_PLAY));
  for (LRESULT mode : {MCI_MODE_PAUSE, MCI_MODE_PLAY}) {
    clickAt(window, musicButton(window, musicPause));
    EXPECT_TRUE(musicIn(mode)) << mode;
  }

  // Playing on, the slideshow steps from where it was.
  clickAt(window, navigationButton(window, navigationPause));
  EXPECT_TRUE(waitFor([&] { return shownPhoto(window) == 8; }));

  // The photo list of the folder the dialog opened.
  HWND list = pressControlKey(ovix, 'L', "Ovix - Seznam fotek");
  ASSERT_TRUE(list);
  HWND pathField = FindWindowExA(list, nullptr, "Edit", nullptr);
  EXPECT_EQ(controlText(pathField), photos);
  EXPECT_EQ(controlText(FindWindowExA(list, pathField, "Edit", nullptr)), "10");

  // Ctrl+Q ends Ovix; keys are polled once per frame, so they stay down.
  PostMessageA(window, WM_KEYDOWN, VK_CONTROL, 0);
  PostMessageA(window, WM_KEYDOWN, 'Q', 0);
  EXPECT_TRUE(ovix.endsCleanly());
  removeFolder(photos);
  removeFolder(music);
}

// The line saying why nothing shows, for an empty folder and for one of unreadable files; in
// between, twenty opens of a folder of photos, each replacing the show, so memory stays level.
TEST(PhotoShow, EmptyAndUnreadableFoldersSayWhyAndReopeningFreesThePhotos) {
  const std::string photos = makePhotoFolder(10), empty = makeScratchFolder("ovix-empty"),
                    unreadable = makeScratchFolder("ovix-unreadable");
  for (const char* name : {"\\a.jpg", "\\b.png", "\\c.bmp"}) ASSERT_TRUE(writeFile(unreadable + name, "not a picture at all"));
  OvixProcess ovix;
  ASSERT_TRUE(ovix.start([](const std::string& program) { writeFile(program + "\\config.conf", testConfig(100000)); }));
  ASSERT_TRUE(ovix.waitForWindow());
  auto saysWhy = [&](const std::string& folder, const char* screenshot) {
    ASSERT_TRUE(openFolderThroughDialog(ovix, folder));
    Capture shot;
    EXPECT_TRUE(waitFor([&] { return ovix.captureClient(shot) && saysWhyNothingShows(shot); }, 10000)) << screenshot;
    shot.savePng(screenshot);
  };
  saysWhy(empty, "show-empty.png");

  SIZE_T used[21] = {};
  for (int open = 1; open <= 20; ++open) {
    ASSERT_TRUE(openFolderThroughDialog(ovix, photos)) << "open " << open;
    ASSERT_TRUE(waitFor([&] { return shownPhoto(ovix.window()) == 1; })) << "open " << open;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(ovix.processHandle(), &counters, sizeof counters);
    used[open] = counters.PagefileUsage;
  }
  // One show of this folder holds about 4 MB of textures; fifteen kept shows would hold 60.
  EXPECT_LT(used[20], used[5] + 16 * 1024 * 1024) << "after 5 opens " << used[5] << ", after 20 " << used[20];

  saysWhy(unreadable, "show-unreadable.png");
  for (const std::string& folder : {photos, empty, unreadable}) removeFolder(folder);
}

// A drive root as music folder: the show starts and the window answers while the music scan
// walks the disk, and closing Ovix meanwhile ends it with exit code 0.
TEST(PhotoShow, ADriveRootAsMusicFolderNeitherHoldsTheShowNorTheExit) {
  const std::string photos = makePhotoFolder(4);
  OvixProcess ovix;
  startShow(ovix, photos, testConfig(100000, "Z:\\"));
  EXPECT_TRUE(waitFor([&] { return shownPhoto(ovix.window()) == 1; }, 10000));
  DWORD_PTR result = 0;
  EXPECT_NE(SendMessageTimeoutA(ovix.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result), 0u);
  const ULONGLONG closing = GetTickCount64();
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(ovix.endsCleanly(10000));
  std::printf("closed after %llu ms\n", static_cast<unsigned long long>(GetTickCount64() - closing));
  removeFolder(photos);
}

// Closing Ovix while the show waits for a photo that is still being decoded ends it promptly,
// with exit code 0: nothing waits for the decode.
TEST(PhotoShow, ClosingWhileThePhotoDecodesEndsOvixAtOnce) {
  const std::string photos = makeScratchFolder("ovix-big");
  std::string big = "Z:" OVIX_BIG_PHOTO;
  for (char& c : big) c = c == '/' ? '\\' : c;
  ASSERT_TRUE(CopyFileA(big.c_str(), (photos + "\\big.jpg").c_str(), FALSE));
  OvixProcess ovix;
  startShow(ovix, photos, testConfig(100000));
  // The progress window shows once the wait outlasts a moment: the decode is under way.
  EXPECT_TRUE(ovix.waitForWindowOf("Progress class"));
  Capture shot;
  if (ovix.captureClient(shot)) shot.savePng("show-waiting.png");
  const ULONGLONG closing = GetTickCount64();
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  // Well within the decode's own seconds; a loaded machine gets three times the promised second.
  EXPECT_TRUE(ovix.endsCleanly(3000));
  std::printf("closed after %llu ms\n", static_cast<unsigned long long>(GetTickCount64() - closing));
  removeFolder(photos);
}
