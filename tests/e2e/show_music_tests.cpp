// Music in a photo show as a user meets it: tracks play one after another, and the music bar's
// play/pause button pauses and resumes the track. The player is observed from outside: its
// notify window ("MCI notify win") owns the MCI window of the current track.
#include <gtest/gtest.h>
#include <windows.h>
#include <vfw.h>

#include "../music/wave_files.h"
#include "show_driver.h"

namespace {
struct OwnedSearch {
  HWND owner;
  HWND found;
};

// The MCI window of the current track, owned by the player's notify window; none if absent.
HWND currentMciWindow(DWORD processId) {
  HWND notify = findProcessWindow(processId, "MCI notify win");
  if (!notify) return nullptr;
  OwnedSearch search = {notify, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<OwnedSearch*>(data);
        char className[32] = {};
        GetClassNameA(window, className, sizeof className);
        if (GetWindow(window, GW_OWNER) == s->owner && lstrcmpiA(className, "MCIWndClass") == 0) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (!search.found) search.found = FindWindowExA(notify, nullptr, "MCIWndClass", nullptr);
  return search.found;
}

LRESULT modeOf(HWND mciWindow) { return SendMessageA(mciWindow, MCIWNDM_GETMODEA, 0, 0); }

enum { musicOnOff, musicPause };
}  // namespace

TEST(ShowMusic, TracksFollowEachOtherAndTheBarPausesAndResumes) {
  const std::string photos = makePhotoFolder(4);
  const std::string music = makeScratchFolder("ovix-music");
  ASSERT_TRUE(writeTone(music + "\\1-short.wav", 3.0, 440));
  ASSERT_TRUE(writeTone(music + "\\2-long.wav", 120.0, 330));
  OvixProcess ovix;
  ASSERT_TRUE(ovix.start([&](const std::string& program) {
    writeFile(program + "\\config.conf", testConfig(100000, 8, true, music));
  }));
  ASSERT_TRUE(ovix.waitForWindow());
  ASSERT_TRUE(openFolderThroughDialog(ovix, photos));
  DWORD processId = 0;
  GetWindowThreadProcessId(ovix.window(), &processId);

  // The short first track ends and the player moves on to a new MCI window, playing.
  HWND first = nullptr;
  ASSERT_TRUE(waitFor([&] {
    first = currentMciWindow(processId);
    return first && modeOf(first) == MCI_MODE_PLAY;
  }));
  HWND second = nullptr;
  ASSERT_TRUE(waitFor([&] {
    second = currentMciWindow(processId);
    return second && second != first && modeOf(second) == MCI_MODE_PLAY;
  }));

  // The music bar's play/pause button.
  const POINT pauseButton = musicButton(ovix.window(), musicPause);
  clickAt(ovix.window(), pauseButton);
  EXPECT_TRUE(waitFor([&] { return modeOf(second) == MCI_MODE_PAUSE; }, 10000));
  clickAt(ovix.window(), pauseButton);
  EXPECT_TRUE(waitFor([&] { return modeOf(second) == MCI_MODE_PLAY; }, 10000));
  EXPECT_EQ(currentMciWindow(processId), second);

  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  DWORD exitCode = 99;
  EXPECT_TRUE(ovix.waitForExit(30000, &exitCode));
  removeFolder(photos);
  removeFolder(music);
}
