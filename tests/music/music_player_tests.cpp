// The MCI music player under Wine, playing generated tones through the runner's null sound
// device: the playlist, moving from track to track, passing over files that cannot play,
// volume and mute, pause, and the folders that leave it disabled.
#include <gtest/gtest.h>
#include <windows.h>
#include <vfw.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/window_registry.h"
#include "music/music_player.h"
#include "support/harness.h"
#include "wave_files.h"

namespace {
// Dispatches this thread's messages one at a time until `condition` holds after one of them.
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
      continue;
    }
    if (GetTickCount64() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

// Watches the MCI windows this thread creates. Wine's MCI window leaves MCIWNDM_SETVOLUME and
// MCIWNDM_GETVOLUME unimplemented (the wave device has no volume), so each one is given the
// memory a Windows MCI window has: GETVOLUME reads back what SETVOLUME last set.
class MciWindowWatch {
public:
  MciWindowWatch() {
    created = 0;
    hook = SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId());
  }
  ~MciWindowWatch() { UnhookWindowsHookEx(hook); }
  static int created;

private:
  static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      HWND window = reinterpret_cast<HWND>(wParam);
      char className[32] = {};
      GetClassNameA(window, className, sizeof className);
      if (lstrcmpiA(className, "MCIWndClass") == 0) {
        ++created;
        original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(withVolume)));
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static LRESULT CALLBACK withVolume(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MCIWNDM_SETVOLUME) {
      SetPropA(window, "volume", reinterpret_cast<HANDLE>(lParam + 1));
      return 0;
    }
    if (message == MCIWNDM_GETVOLUME)
      return reinterpret_cast<LRESULT>(GetPropA(window, "volume")) - 1;
    if (message == WM_NCDESTROY) RemovePropA(window, "volume");
    return CallWindowProcW(original, window, message, wParam, lParam);
  }
  HHOOK hook;
  static WNDPROC original;
};
int MciWindowWatch::created = 0;
WNDPROC MciWindowWatch::original = nullptr;

LRESULT volumeOf(HWND mciWindow) { return SendMessageA(mciWindow, MCIWNDM_GETVOLUME, 0, 0); }
LRESULT modeOf(HWND mciWindow) { return SendMessageA(mciWindow, MCIWNDM_GETMODEA, 0, 0); }

bool isTone(const std::string& track) {
  return track.size() > 4 && track.compare(track.size() - 4, 4, ".wav") == 0;
}

// The playable track after (or, with step -1, before) `index`, round the list.
size_t playableFrom(const MusicPlayer& player, size_t index, int step) {
  const size_t count = player.tracks.size();
  do index = (index + count + step) % count;
  while (!isTone(player.tracks[index]));
  return index;
}

// A scratch music folder: three short tones, a sub-folder with a fourth, and a text file.
class MusicFolderTest : public testing::Test {
protected:
  void SetUp() override {
    root = makeScratchFolder("music");
    ASSERT_FALSE(root.empty());
    ASSERT_TRUE(writeTone(root + "\\one.wav", 0.3, 440));
    ASSERT_TRUE(writeTone(root + "\\two.wav", 0.3, 550));
    ASSERT_TRUE(CreateDirectoryA((root + "\\sub").c_str(), nullptr));
    ASSERT_TRUE(writeTone(root + "\\sub\\four.wav", 0.3, 660));
    ASSERT_TRUE(writeTone(root + "\\three.wav", 0.3, 770));
    ASSERT_TRUE(writeFile(root + "\\notes.txt", "not music"));
  }
  void TearDown() override {
    player.reset();
    removeFolder(root);
  }
  // The folder as a user may type it: forward slashes and a trailing one.
  std::string typedFolder() const {
    std::string text = root + "/";
    for (char& c : text)
      if (c == '\\') c = '/';
    return text;
  }
  void start(const std::string& folder) {
    player.reset(new MusicPlayer(GetModuleHandleA(nullptr), folder.c_str(), failed));
  }

  std::string root;
  bool failed = true;
  std::unique_ptr<MusicPlayer> player;
  MciWindowWatch watch;
};
}  // namespace

TEST_F(MusicFolderTest, PlaylistIsDepthFirstAndTheWindowsLiveAsLongAsThePlayer) {
  const int registered = WindowRegistry::size();
  start(typedFolder());
  ASSERT_FALSE(failed);
  EXPECT_FALSE(player->disabled);
  EXPECT_EQ(WindowRegistry::size(), registered + 1);

  // The top folder's entries in the platform's order; the sub-folder's tone stands where the
  // sub-folder does. Every track reads "<folder with backslashes>/<name>".
  std::vector<std::string> expected;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((root + "\\*.*").c_str(), &entry);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    const std::string name = entry.cFileName;
    if (name == "sub")
      expected.push_back(root + "/sub/four.wav");
    else if (name != "." && name != "..")
      expected.push_back(root + "/" + name);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  EXPECT_EQ(player->tracks, expected);
  EXPECT_EQ(player->volume, 500u);

  HWND notifyWindow = player->handle;
  char className[32] = {};
  GetClassNameA(notifyWindow, className, sizeof className);
  EXPECT_STREQ(className, "MCI notify win");
  EXPECT_EQ(WindowRegistry::find(notifyWindow), player.get());
  EXPECT_FALSE(IsWindowVisible(notifyWindow));
  HWND mciWindow = player->mciWindow;
  ASSERT_TRUE(IsWindow(mciWindow));
  EXPECT_FALSE(IsWindowVisible(mciWindow));

  player.reset();
  EXPECT_FALSE(IsWindow(mciWindow));
  EXPECT_FALSE(IsWindow(notifyWindow));
  EXPECT_EQ(WindowRegistry::size(), registered);
}

TEST_F(MusicFolderTest, TracksFollowRoundTheListPassingOverTheTextFile) {
  start(root);
  ASSERT_FALSE(failed);
  ASSERT_TRUE(isTone(player->tracks[player->currentTrack]));
  // Seven track changes go round the four tones at least once; each one follows its
  // predecessor, the text file never plays, and after the last tone comes the first.
  std::vector<size_t> played{player->currentTrack};
  ASSERT_TRUE(pumpUntil([&] {
    if (player->currentTrack != played.back()) played.push_back(player->currentTrack);
    return played.size() >= 8;
  }));
  for (size_t i = 1; i < played.size(); ++i)
    EXPECT_EQ(played[i], playableFrom(*player, played[i - 1], 1)) << "change " << i;
}

TEST_F(MusicFolderTest, NotificationsMoveOnOnlyAfterAnEndOrAFailure) {
  start(root);
  ASSERT_FALSE(failed);
  struct Case {
    WPARAM code;
    bool movesOn;
  };
  const Case cases[] = {{MCI_NOTIFY_ABORTED, false},
                        {MCI_NOTIFY_SUPERSEDED, false},
                        {MCI_NOTIFY_FAILURE, true},
                        {MCI_NOTIFY_SUCCESSFUL, true}};
  for (const Case& c : cases) {
    const size_t before = player->currentTrack;
    HWND mciWindow = player->mciWindow;
    EXPECT_EQ(SendMessageA(player->handle, MM_MCINOTIFY, c.code, 1), 0);
    EXPECT_EQ(player->currentTrack, c.movesOn ? playableFrom(*player, before, 1) : before)
        << "code " << c.code;
    EXPECT_EQ(player->mciWindow != mciWindow, c.movesOn) << "code " << c.code;
  }
}

TEST_F(MusicFolderTest, NextAndPreviousWrapRoundTheList) {
  start(root);
  ASSERT_FALSE(failed);
  const size_t last = player->tracks.size() - 1;
  const size_t firstTone = playableFrom(*player, last, 1);
  const size_t lastTone = playableFrom(*player, 0, -1);

  player->currentTrack = lastTone;
  player->nextTrack();
  EXPECT_EQ(player->currentTrack, firstTone);
  EXPECT_NE(MCIWndGetDeviceID(player->mciWindow), 0u);

  player->currentTrack = firstTone;
  player->previousTrack();
  EXPECT_EQ(player->currentTrack, lastTone);
  EXPECT_NE(MCIWndGetDeviceID(player->mciWindow), 0u);
}

TEST_F(MusicFolderTest, MuteAndVolumeSurviveTrackChanges) {
  start(root);
  ASSERT_FALSE(failed);
  EXPECT_EQ(volumeOf(player->mciWindow), 500);

  player->toggleMute();
  EXPECT_TRUE(player->muted);
  EXPECT_EQ(volumeOf(player->mciWindow), 0);
  player->nextTrack();
  EXPECT_EQ(volumeOf(player->mciWindow), 0);
  ASSERT_TRUE(pumpUntil([&, window = player->mciWindow] { return player->mciWindow != window; }));
  EXPECT_EQ(volumeOf(player->mciWindow), 0);

  player->toggleMute();
  EXPECT_EQ(volumeOf(player->mciWindow), 500);
  player->volumeUp();
  player->previousTrack();
  EXPECT_EQ(volumeOf(player->mciWindow), 550);
}

TEST_F(MusicFolderTest, VolumeButtonsStepWithinTheRangeAndRestWhileMuted) {
  start(root);
  ASSERT_FALSE(failed);
  struct Step {
    bool muted;
    uint32_t from;
    bool up;
    int clicks;
    uint32_t volume;  // the player's volume after the clicks
    LRESULT heard;    // what the MCI window is set to
  };
  const Step steps[] = {
      {false, 700, true, 6, 1000, 1000}, {false, 1000, true, 1, 1000, 1000},
      {false, 50, false, 1, 0, 0},       {false, 0, false, 1, 0, 0},
      {true, 500, true, 3, 500, 0},      {true, 500, false, 3, 500, 0},
  };
  for (const Step& s : steps) {
    if (player->muted != s.muted) player->toggleMute();
    player->volume = s.from;
    for (int i = 0; i < s.clicks; ++i) s.up ? player->volumeUp() : player->volumeDown();
    EXPECT_EQ(player->volume, s.volume) << s.from << (s.up ? " up" : " down");
    EXPECT_EQ(volumeOf(player->mciWindow), s.heard) << s.from << (s.up ? " up" : " down");
  }
}

TEST_F(MusicFolderTest, PauseHoldsTheTrackAndResumeGoesOn) {
  const std::string folder = root + "\\long";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ASSERT_TRUE(writeTone(folder + "\\long.wav", 10.0, 330));
  start(folder);
  ASSERT_FALSE(failed);
  player->togglePause();
  EXPECT_TRUE(player->paused);
  EXPECT_EQ(modeOf(player->mciWindow), MCI_MODE_PAUSE);
  player->togglePause();
  EXPECT_FALSE(player->paused);
  EXPECT_EQ(modeOf(player->mciWindow), MCI_MODE_PLAY);
}

TEST_F(MusicFolderTest, AWholeRoundOfUnplayableFilesStopsTheMusic) {
  const std::string folder = root + "\\texts";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  for (const char* name : {"\\a.txt", "\\b.txt", "\\desktop.ini"})
    ASSERT_TRUE(writeFile(folder + name, "not music"));
  MciWindowWatch::created = 0;
  start(folder);
  EXPECT_FALSE(failed);  // the folder holds files; none of them plays
  EXPECT_EQ(MciWindowWatch::created, 3);
  // Nothing is left to arrive: a message posted now comes after everything queued.
  bool drained = false;
  PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
  ASSERT_TRUE(pumpUntil([&] {
    MSG message;
    drained = drained || !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    return drained;
  }));
  EXPECT_EQ(MciWindowWatch::created, 3);
  player->nextTrack();  // the user may try again: one more round
  EXPECT_EQ(MciWindowWatch::created, 6);
}

TEST_F(MusicFolderTest, FoldersWithoutMusicLeaveThePlayerDisabled) {
  ASSERT_TRUE(CreateDirectoryA((root + "\\empty").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((root + "\\empty\\nested").c_str(), nullptr));
  const std::string cases[] = {
      root + "\\missing",
      root + "\\empty",
      root + "\\notes.txt",
      "",
      root + "\\" + std::string(261 - root.size() - 1, 'x'),
  };
  const int registered = WindowRegistry::size();
  for (const std::string& folder : cases) {
    failed = false;
    start(folder);
    EXPECT_TRUE(failed) << folder;
    EXPECT_TRUE(player->disabled) << folder;
    EXPECT_TRUE(player->tracks.empty()) << folder;
    // Every command is ignored.
    player->toggleMute();
    player->volumeUp();
    player->nextTrack();
    player->previousTrack();
    EXPECT_FALSE(player->muted);
    EXPECT_EQ(player->volume, 500u);
    EXPECT_EQ(player->mciWindow, nullptr);
    player.reset();
    EXPECT_EQ(WindowRegistry::size(), registered) << folder;
  }
  EXPECT_EQ(MciWindowWatch::created, 0);
}
