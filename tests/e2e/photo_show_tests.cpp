// The photo show as a user drives it in a running Ovix: a folder opened through the dialog,
// the slideshow, the film strip, the navigation and music bars' buttons, and the keyboard.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>
#include <vfw.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "music/wave_files.h"
#include "show_driver.h"

namespace {
enum { rotateLeft, rotateRight, first, last, pause, zoomIn, zoomOut };
enum { musicOnOff, musicPause };

// Pixels from the middle of the large photo to its top edge (vertical) or right edge, counted
// while the pixels keep the middle's photo colour. 0 when no photo is in the middle.
int halfExtent(OvixProcess& ovix, bool vertical) {
  Capture capture;
  if (!ovix.captureClient(capture)) return 0;
  const int cx = capture.width / 2, cy = capture.height / 2;
  auto numberAt = [&](int x, int y) {
    const uint32_t p = capture.at(x, y);
    return photoNumberOf(RGB(redOf(p), greenOf(p), blueOf(p)));
  };
  const int n = numberAt(cx, cy);
  int length = 0;
  if (vertical)
    while (n && cy - length - 1 >= 0 && numberAt(cx, cy - length - 1) == n) ++length;
  else
    while (n && cx + length + 1 < capture.width && numberAt(cx + length + 1, cy) == n) ++length;
  return length;
}

void startShow(OvixProcess& ovix, const std::string& folder, const std::string& config) {
  ASSERT_TRUE(ovix.start([&](const std::string& program) { writeFile(program + "\\config.conf", config); }));
  ASSERT_TRUE(ovix.waitForWindow());
  ASSERT_TRUE(openFolderThroughDialog(ovix, folder));
}

// Waits until the area looks the same in two captures in a row (fades have ended).
bool settledCapture(OvixProcess& ovix, RECT area, std::vector<uint32_t>& out) {
  std::vector<uint32_t> previous;
  return waitFor([&] {
    Capture capture;
    if (!ovix.captureClient(capture)) return false;
    out.clear();
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) out.push_back(capture.at(x, y));
    const bool same = out == previous;
    previous = out;
    return same;
  });
}

bool closedCleanly(OvixProcess& ovix) {
  DWORD exitCode = 99;
  return ovix.waitForExit(30000, &exitCode) && exitCode == 0;
}
}  // namespace

TEST(PhotoShow, PlaysGroupAfterGroupAndPausesOnTheButton) {
  const std::string folder = makePhotoFolder(10);
  ASSERT_FALSE(folder.empty());
  OvixProcess ovix;
  startShow(ovix, folder, testConfig(100, 8));
  HWND window = ovix.window();

  // Photos 1-4, then the next group starts on 5; the time between changes is the interval.
  std::vector<int> seen;
  std::vector<ULONGLONG> changedAt;
  ASSERT_TRUE(waitFor([&] {
    const int n = shownPhoto(window);
    if (n != 0 && (seen.empty() || seen.back() != n)) {
      seen.push_back(n);
      changedAt.push_back(GetTickCount64());
    }
    return n == 5;
  }, 60000));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
  Capture shot;
  if (ovix.captureClient(shot)) shot.savePng("show-group-2.png");

  // The pause button: its picture and its tooltip swap, and the slideshow stops.
  const POINT pauseButton = navigationButton(window, pause);
  hoverAt(window, pauseButton);
  const RECT buttonArea = {pauseButton.x - 12, pauseButton.y - 12, pauseButton.x + 12, pauseButton.y + 12};
  const RECT tooltipArea = {pauseButton.x - 160, pauseButton.y + 14, pauseButton.x + 40, pauseButton.y + 60};
  std::vector<uint32_t> pausePicture, pauseTooltip, playPicture, playTooltip;
  clickAt(window, pauseButton);
  const int pausedOn = shownPhoto(window);
  ASSERT_TRUE(settledCapture(ovix, buttonArea, playPicture));
  ASSERT_TRUE(settledCapture(ovix, tooltipArea, playTooltip));
  if (ovix.captureClient(shot)) shot.savePng("show-paused.png");

  // Paused for three intervals: the photo stays.
  const ULONGLONG interval = (changedAt.back() - changedAt[1]) / 3;
  const ULONGLONG until = GetTickCount64() + 3 * interval;
  while (GetTickCount64() < until) ASSERT_EQ(shownPhoto(window), pausedOn);

  hoverAt(window, pauseButton);
  clickAt(window, pauseButton);
  ASSERT_TRUE(settledCapture(ovix, buttonArea, pausePicture));
  ASSERT_TRUE(settledCapture(ovix, tooltipArea, pauseTooltip));
  EXPECT_NE(pausePicture, playPicture);
  EXPECT_NE(pauseTooltip, playTooltip);
  EXPECT_TRUE(waitFor([&] { return shownPhoto(window) == pausedOn + 1; }, 30000));
  removeFolder(folder);
}

TEST(PhotoShow, NavigationAndFilmStripButtonsShowTheirPhotos) {
  const std::string folder = makePhotoFolder(10);
  ASSERT_FALSE(folder.empty());
  OvixProcess ovix;
  startShow(ovix, folder, testConfig(100000, 8));  // never steps by itself
  HWND window = ovix.window();
  ASSERT_TRUE(waitFor([&] { return shownPhoto(window) == 1; }));

  const struct {
    const char* what;
    POINT at;
    int expected;
  } steps[] = {
      {"last", navigationButton(window, last), 10},
      {"first", navigationButton(window, first), 1},
      {"next page", stripArrow(window, true), 5},
      {"next page again", stripArrow(window, true), 9},
      {"previous page", stripArrow(window, false), 5},
      {"thumbnail 3", thumbnailCentre(window, 2), 7},
      {"thumbnail 1", thumbnailCentre(window, 0), 5},
      {"first again", navigationButton(window, first), 1},
      {"previous page from the first: the four before it", stripArrow(window, false), 7},
  };
  for (const auto& step : steps) {
    clickAt(window, step.at);
    EXPECT_TRUE(waitFor([&] { return shownPhoto(window) == step.expected; }, 20000))
        << step.what << " shows " << shownPhoto(window);
  }
  clickAt(window, navigationButton(window, first));
  ASSERT_TRUE(waitFor([&] { return shownPhoto(window) == 1; }));

  // Quarter turns: turned either way the photo's width on screen is its former height.
  const int halfHeight = halfExtent(ovix, true), halfWidth = halfExtent(ovix, false);
  EXPECT_GT(halfWidth, halfHeight + 40);  // 4:3 photos
  clickAt(window, navigationButton(window, rotateLeft));
  EXPECT_TRUE(waitFor([&] { return std::abs(halfExtent(ovix, false) - halfHeight) <= 3; }, 10000));
  clickAt(window, navigationButton(window, rotateRight));
  EXPECT_TRUE(waitFor([&] { return std::abs(halfExtent(ovix, false) - halfWidth) <= 3; }, 10000));
  clickAt(window, navigationButton(window, rotateRight));
  EXPECT_TRUE(waitFor([&] { return std::abs(halfExtent(ovix, false) - halfHeight) <= 3; }, 10000));
  // A photo change turns the photo back.
  clickAt(window, thumbnailCentre(window, 1));
  EXPECT_TRUE(waitFor([&] {
    return shownPhoto(window) == 2 && std::abs(halfExtent(ovix, false) - halfWidth) <= 3;
  }, 10000));

  // The keys: Home, a step right, End; Ctrl+Q ends Ovix. Keys are polled once per frame, so a
  // key is held until the frame has seen it.
  for (const auto& [key, photo] :
       std::vector<std::pair<int, int>>{{VK_HOME, 1}, {VK_RIGHT, 2}, {VK_END, 10}}) {
    PostMessageA(window, WM_KEYDOWN, key, 0);
    EXPECT_TRUE(waitFor([&] { return shownPhoto(window) == photo; }, 10000)) << "key " << key << " to " << photo;
    PostMessageA(window, WM_KEYUP, key, 0);
  }
  PostMessageA(window, WM_KEYDOWN, VK_CONTROL, 0);
  PostMessageA(window, WM_KEYDOWN, 'Q', 0);
  EXPECT_TRUE(closedCleanly(ovix));
  removeFolder(folder);
}

TEST(PhotoShow, EmptyAndUnreadableFoldersAndReopeningFreeTheirPhotos) {
  const std::string photos = makePhotoFolder(10);
  const std::string empty = makeScratchFolder("ovix-empty");
  const std::string unreadable = makeScratchFolder("ovix-unreadable");
  for (const char* name : {"\\a.jpg", "\\b.png", "\\c.bmp"})
    ASSERT_TRUE(writeFile(unreadable + name, "not a picture at all"));
  OvixProcess ovix;
  startShow(ovix, empty, testConfig(100000, 8));
  HWND window = ovix.window();

  for (const std::string& folder : {empty, unreadable}) {
    if (folder != empty) {
      ASSERT_TRUE(openFolderThroughDialog(ovix, folder));
    }
    ASSERT_TRUE(ovix.running());
    EXPECT_EQ(shownPhoto(window), 0);
    // Four blank thumbnails alike (the film strip's picture under them varies a little from
    // place to place), none of them a photo.
    auto blankThumbnails = [&] {
      const POINT at0 = thumbnailCentre(window, 0);
      const COLORREF blank = clientPixel(window, at0.x, at0.y);
      for (int k = 0; k < 4; ++k) {
        const POINT at = thumbnailCentre(window, k);
        const COLORREF pixel = clientPixel(window, at.x, at.y);
        if (std::abs(GetRValue(pixel) - GetRValue(blank)) + std::abs(GetGValue(pixel) - GetGValue(blank)) +
                    std::abs(GetBValue(pixel) - GetBValue(blank)) > 12 || photoNumberOf(pixel) != 0)
          return false;
      }
      return true;
    };
    // The line in the middle of the scene says why nothing shows (light grey letters).
    // Until the show's first frame the screen may still hold the dialog or the idle scene, both
    // light around the middle; the show's scene is dark there but for the letters.
    auto sceneLine = [&] {
      Capture capture;
      if (!ovix.captureClient(capture)) return false;
      auto dark = [&](int x, int y) {
        const uint32_t p = capture.at(x, y);
        return redOf(p) < 40 && greenOf(p) < 40 && blueOf(p) < 40;
      };
      const int w = capture.width, h = capture.height;
      if (!dark(w / 2, h / 2 - 40) || !dark(w / 2, h / 2 + 40)) return false;
      for (int y = h / 2 - 10; y < h / 2 + 10; ++y)
        for (int x = w / 3; x < w * 2 / 3; ++x) {
          const uint32_t p = capture.at(x, y);
          if (redOf(p) > 200 && redOf(p) == greenOf(p) && greenOf(p) == blueOf(p) && dark(x - 1, y)) return true;
        }
      return false;
    };
    EXPECT_TRUE(waitFor([&] { return sceneLine() && blankThumbnails(); }, 10000));
    Capture shot;
    if (ovix.captureClient(shot)) shot.savePng(folder == empty ? "show-empty.png" : "show-unreadable.png");
    // Commands on an empty show change nothing and do not fail.
    for (int role : {first, last, rotateLeft, zoomIn})
      clickAt(window, navigationButton(window, role));
    clickAt(window, stripArrow(window, true));
    clickAt(window, stripArrow(window, false));
    clickAt(window, thumbnailCentre(window, 2));
    EXPECT_TRUE(ovix.captureClient(shot));
    EXPECT_TRUE(ovix.running());
  }

  // Twenty opens of the same folder: each replaces the show, so memory stays level.
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  ASSERT_TRUE(process);
  auto used = [&] {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters.PagefileUsage;
  };
  SIZE_T afterFive = 0;
  for (int open = 1; open <= 20; ++open) {
    ASSERT_TRUE(openFolderThroughDialog(ovix, photos)) << "open " << open;
    ASSERT_TRUE(waitFor([&] { return shownPhoto(window) == 1; })) << "open " << open;
    if (open == 5) afterFive = used();
  }
  const SIZE_T afterTwenty = used();
  CloseHandle(process);
  // One show of this folder holds about 4 MB of textures; fifteen kept shows would hold 60.
  EXPECT_LT(afterTwenty, afterFive + 16 * 1024 * 1024)
      << "after 5 opens " << afterFive << ", after 20 " << afterTwenty;
  removeFolder(photos);
  removeFolder(empty);
  removeFolder(unreadable);
}

TEST(PhotoShow, PhoneStylePhotosStandUprightInTheFrameAndTheFilmStrip) {
  // Both photos are stored 400 x 300 (red, green over blue, white), tagged to be turned a
  // quarter clockwise (6) or anticlockwise (8): upright they stand 300 x 400.
  const std::string folder = makeScratchFolder("ovix-turned");
  for (const char* name : {"turned6.jpg", "turned8.jpg"})
    ASSERT_TRUE(CopyFileA((std::string("Z:" OVIX_TEST_PICTURES "\\") + name).c_str(), (folder + "\\" + name).c_str(), FALSE));
  const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
  // Upright top left, top right, bottom left, bottom right; the top left tells the photos apart.
  const COLORREF turned6[4] = {blue, red, white, green}, turned8[4] = {green, white, red, blue};
  Capture shot;
  auto looksLike = [&](POINT at, COLORREF colour) {
    const uint32_t p = shot.at(at.x, at.y);
    return std::abs(redOf(p) - GetRValue(colour)) < 60 && std::abs(greenOf(p) - GetGValue(colour)) < 60 &&
           std::abs(blueOf(p) - GetBValue(colour)) < 60;
  };
  // The points (top left, top right, bottom left, bottom right) show the quarters of a photo.
  auto upright = [&](const POINT (&at)[4]) {
    const COLORREF* expected = looksLike(at[0], blue) ? turned6 : turned8;
    for (int q = 0; q < 4; ++q)
      if (!looksLike(at[q], expected[q])) return false;
    return true;
  };
  OvixProcess ovix;
  startShow(ovix, folder, testConfig(100000, 8));
  HWND window = ovix.window();
  const SIZE size = clientSize(window);
  const LONG cx = size.cx / 2, cy = size.cy / 2;
  const POINT frame[4] = {{cx - 20, cy - 20}, {cx + 20, cy - 20}, {cx - 20, cy + 20}, {cx + 20, cy + 20}};
  ASSERT_TRUE(waitFor([&] { return ovix.captureClient(shot) && upright(frame); }, 30000));
  const bool firstTurnedClockwise = looksLike(frame[0], blue);
  // The other photo, one step on.
  PostMessageA(window, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_TRUE(waitFor([&] {
    return ovix.captureClient(shot) && upright(frame) && looksLike(frame[0], blue) != firstTurnedClockwise;
  }, 10000));
  shot.savePng("turned-frame.png");

  for (int k = 0; k < 2; ++k) {
    hoverAt(window, thumbnailCentre(window, k));
    const POINT thumbnail[4] = {thumbnailCentre(window, k, -0.5, 0.5), thumbnailCentre(window, k, 0.5, 0.5),
                                thumbnailCentre(window, k, -0.5, -0.5), thumbnailCentre(window, k, 0.5, -0.5)};
    EXPECT_TRUE(waitFor([&] { return ovix.captureClient(shot) && upright(thumbnail); }, 10000)) << "thumbnail " << k;
  }
  shot.savePng("turned-strip.png");
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(closedCleanly(ovix));
  removeFolder(folder);
}

TEST(PhotoShow, MusicTracksFollowEachOtherAndTheBarPausesAndResumes) {
  const std::string photos = makePhotoFolder(4);
  const std::string music = makeScratchFolder("ovix-music");
  ASSERT_TRUE(writeTone(music + "\\1-short.wav", 3.0, 440));
  ASSERT_TRUE(writeTone(music + "\\2-long.wav", 120.0, 330));
  OvixProcess ovix;
  startShow(ovix, photos, testConfig(100000, 8, true, music));
  // The player is observed from outside: the MCI window of the current track.
  DWORD processId = 0;
  GetWindowThreadProcessId(ovix.window(), &processId);
  auto currentMciWindow = [&] { return findProcessWindow(processId, "MCIWndClass"); };
  auto modeOf = [](HWND mciWindow) { return SendMessageA(mciWindow, MCIWNDM_GETMODEA, 0, 0); };

  // The short first track ends and the player moves on to a new MCI window, playing.
  HWND first = nullptr, second = nullptr;
  ASSERT_TRUE(waitFor([&] { return (first = currentMciWindow()) && modeOf(first) == MCI_MODE_PLAY; }));
  ASSERT_TRUE(waitFor([&] {
    second = currentMciWindow();
    return second && second != first && modeOf(second) == MCI_MODE_PLAY;
  }));

  const POINT pauseButton = musicButton(ovix.window(), musicPause);
  clickAt(ovix.window(), pauseButton);
  EXPECT_TRUE(waitFor([&] { return modeOf(second) == MCI_MODE_PAUSE; }, 10000));
  clickAt(ovix.window(), pauseButton);
  EXPECT_TRUE(waitFor([&] { return modeOf(second) == MCI_MODE_PLAY; }, 10000));
  EXPECT_EQ(currentMciWindow(), second);

  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(closedCleanly(ovix));
  removeFolder(photos);
  removeFolder(music);
}

// A drive root as music folder: the show starts and the window answers while the music scan
// walks the disk, and closing Ovix meanwhile ends it promptly with exit code 0.
TEST(PhotoShow, ADriveRootAsMusicFolderNeitherHoldsTheShowNorTheExit) {
  const std::string photos = makePhotoFolder(4);
  OvixProcess ovix;
  startShow(ovix, photos, testConfig(100000, 8, true, "Z:\\"));
  HWND window = ovix.window();
  EXPECT_TRUE(waitFor([&] { return shownPhoto(window) == 1; }, 10000));
  for (int probe = 0; probe < 5; ++probe) {
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result), 0)
        << probe;
  }
  const ULONGLONG closing = GetTickCount64();
  PostMessageA(window, WM_CLOSE, 0, 0);
  DWORD exitCode = 99;
  EXPECT_TRUE(ovix.waitForExit(10000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
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
  startShow(ovix, photos, testConfig(100000, 8));
  DWORD processId = 0;
  GetWindowThreadProcessId(ovix.window(), &processId);
  // The progress window shows once the wait outlasts a moment: the decode is under way.
  EXPECT_TRUE(waitFor([&] {
    HWND progress = findProcessWindow(processId, "Progress class");
    return progress && IsWindowVisible(progress);
  }));
  Capture shot;
  if (ovix.captureClient(shot)) shot.savePng("show-waiting.png");
  const ULONGLONG closing = GetTickCount64();
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  // Well within the decode's own seconds; a loaded machine gets three times the promised second.
  DWORD exitCode = 99;
  EXPECT_TRUE(ovix.waitForExit(3000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  std::printf("closed after %llu ms\n", static_cast<unsigned long long>(GetTickCount64() - closing));
  removeFolder(photos);
}
