// The MCI music player under Wine, playing generated tones through the runner's null sound
// device: the playlist, moving from track to track, passing over files that cannot play,
// the music bar's commands, and the folders that leave the player disabled.
#include <gtest/gtest.h>
#include <windows.h>

#include <vfw.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_registry.h"
#include "music/music_player.h"
#include "support/harness.h"
#include "wave_files.h"

namespace {
// Dispatches this thread's messages one at a time until `condition` holds after one of them;
// unlike waitFor, a player that posts to itself without end fails here instead of hanging.
bool pumpUntil(const std::function<bool()>& condition, ULONGLONG timeoutMs = 20000) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  MSG message;
  while (!condition()) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageA(&message);
    else if (GetTickCount64() >= end)
      return false;
    else
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return true;
}

// Counts the MCI windows this thread creates. Wine's MCI window leaves MCIWNDM_SETVOLUME and
// MCIWNDM_GETVOLUME unimplemented, so each one gets the memory a Windows one has: GETVOLUME
// reads back what SETVOLUME last set.
class MciWindowWatch {
public:
  MciWindowWatch() : hook(SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId())) {
    created = 0;
  }
  ~MciWindowWatch() { UnhookWindowsHookEx(hook); }
  static inline int created = 0;

private:
  static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[32] = {};
    if (code == HCBT_CREATEWND && GetClassNameA(window, className, sizeof className) &&
        lstrcmpiA(className, "MCIWndClass") == 0) {
      ++created;
      original = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(withVolume)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static LRESULT CALLBACK withVolume(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MCIWNDM_SETVOLUME) return !SetPropA(window, "volume", HANDLE(lParam + 1));
    if (message == MCIWNDM_GETVOLUME) return LRESULT(GetPropA(window, "volume")) - 1;
    if (message == WM_NCDESTROY) RemovePropA(window, "volume");
    return CallWindowProcW(original, window, message, wParam, lParam);
  }
  HHOOK hook;
  static inline WNDPROC original = nullptr;
};

LRESULT volumeOf(HWND mciWindow) { return SendMessageA(mciWindow, MCIWNDM_GETVOLUME, 0, 0); }

bool isTone(const std::string& track) { return track.substr(track.size() - 4) == ".wav"; }

// The playable track after (step +1) or before (step -1) `index`, round the list.
size_t toneFrom(const MusicPlayer& player, size_t index, int step) {
  const size_t count = player.tracks.size();
  do index = (index + count + step) % count;
  while (!isTone(player.tracks[index]));
  return index;
}

// A scratch music folder: three short tones, a sub-folder with a fourth, and a text file.
class MusicPlayerTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(root.empty());
    ASSERT_TRUE(CreateDirectoryA((root + "\\sub").c_str(), nullptr));
    for (const char* name : {"\\one.wav", "\\two.wav", "\\sub\\four.wav", "\\three.wav"})
      ASSERT_TRUE(writeTone(root + name, 0.3, 440));
    ASSERT_TRUE(writeFile(root + "\\notes.txt", "not music"));
  }
  void TearDown() override {
    player.reset();
    removeFolder(root);
  }
  // Creates the player and waits for its scan.
  void start(const std::string& folder) {
    player.reset(new MusicPlayer(GetModuleHandleA(nullptr), folder.c_str(), failed));
    ASSERT_TRUE(pumpUntil([&] { return !player->scanning(); }));
  }

  // Files that do not play are passed over through the message loop; waits until a tone plays.
  void waitForTone() {
    ASSERT_TRUE(pumpUntil([&] { return isTone(player->tracks[player->currentTrack]); }));
  }

  const std::string root = makeScratchFolder("music");
  bool failed = true;
  std::unique_ptr<MusicPlayer> player;
  MciWindowWatch watch;
};
}  // namespace

TEST_F(MusicPlayerTest, PlaylistHoldsTheTreeAndTheWindowsLiveAsLongAsThePlayer) {
  const int registered = WindowRegistry::size();
  std::string typed = root + "/";  // as a user may type it: forward slashes, a trailing one
  for (char& c : typed) c = c == '\\' ? '/' : c;
  start(typed);
  ASSERT_FALSE(failed || player->disabled);

  // Every file, the sub-folder's too, as "<folder with backslashes>/<name>"; their order is the
  // native scan test's.
  std::vector<std::string> tracks = player->tracks;
  std::sort(tracks.begin(), tracks.end());
  EXPECT_EQ(tracks, (std::vector<std::string>{root + "/notes.txt", root + "/one.wav", root + "/sub/four.wav",
                                              root + "/three.wav", root + "/two.wav"}));

  HWND notifyWindow = player->handle, mciWindow = player->mciWindow;
  EXPECT_EQ(WindowRegistry::find(notifyWindow), player.get());
  EXPECT_TRUE(IsWindow(mciWindow));
  EXPECT_FALSE(IsWindowVisible(notifyWindow) || IsWindowVisible(mciWindow));
  player.reset();
  EXPECT_FALSE(IsWindow(mciWindow) || IsWindow(notifyWindow));
  EXPECT_EQ(WindowRegistry::size(), registered);
}

TEST_F(MusicPlayerTest, TracksFollowRoundTheListPassingOverTheTextFileAndOwnAborts) {
  start(root);
  ASSERT_FALSE(failed);
  // Seven track changes go round the four tones: each follows its predecessor, after the last
  // comes the first, and the text file never plays.
  std::vector<size_t> played{player->currentTrack};
  ASSERT_TRUE(pumpUntil([&] {
    const size_t now = player->currentTrack;
    if (now != played.back() && isTone(player->tracks[now])) played.push_back(now);
    return played.size() == 8;
  }));
  for (size_t i = 1; i < played.size(); ++i)
    EXPECT_EQ(played[i], toneFrom(*player, played[i - 1], 1));

  // Aborted and superseded come from our own track changes; a failure moves on like an end.
  const struct {
    WPARAM code;
    bool movesOn;
  } notifications[] = {
      {MCI_NOTIFY_ABORTED, false}, {MCI_NOTIFY_SUPERSEDED, false}, {MCI_NOTIFY_FAILURE, true}};
  for (const auto& n : notifications) {
    const size_t before = player->currentTrack;
    SendMessageA(player->handle, MM_MCINOTIFY, n.code, 1);
    waitForTone();
    EXPECT_EQ(player->currentTrack, n.movesOn ? toneFrom(*player, before, 1) : before) << n.code;
  }
}

TEST_F(MusicPlayerTest, MusicBarCommands) {
  start(root);
  ASSERT_FALSE(failed);
  const size_t firstTone = toneFrom(*player, player->tracks.size() - 1, 1);
  const size_t lastTone = toneFrom(*player, 0, -1);
  player->currentTrack = lastTone;
  player->nextTrack();
  waitForTone();
  EXPECT_EQ(player->currentTrack, firstTone);
  player->previousTrack();
  waitForTone();
  EXPECT_EQ(player->currentTrack, lastTone);

  // Muting and the volume hold across track changes, by command and by the end of a track.
  player->toggleMute();
  player->nextTrack();
  ASSERT_TRUE(pumpUntil([&, window = player->mciWindow] { return player->mciWindow != window; }));
  EXPECT_EQ(volumeOf(player->mciWindow), 0);
  player->toggleMute();
  player->volumeUp();
  player->previousTrack();
  EXPECT_EQ(volumeOf(player->mciWindow), 550);

  const struct {
    bool muted;
    uint32_t from;
    bool up;
    int clicks;
    uint32_t volume;
    LRESULT heard;
  } steps[] = {{false, 700, true, 6, 1000, 1000},
               {false, 50, false, 1, 0, 0},
               {false, 0, false, 1, 0, 0},
               {true, 500, true, 2, 500, 0},
               {true, 500, false, 2, 500, 0}};
  for (const auto& s : steps) {
    if (player->muted != s.muted) player->toggleMute();
    player->volume = s.from;
    for (int i = 0; i < s.clicks; ++i) s.up ? player->volumeUp() : player->volumeDown();
    EXPECT_EQ(player->volume, s.volume) << s.from << (s.up ? " up" : " down");
    EXPECT_EQ(volumeOf(player->mciWindow), s.heard) << s.from << (s.up ? " up" : " down");
  }
}

TEST_F(MusicPlayerTest, PauseHoldsTheTrackAndResumeGoesOn) {
  const std::string folder = root + "\\long";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ASSERT_TRUE(writeTone(folder + "\\long.wav", 10.0, 330));
  start(folder);
  ASSERT_FALSE(failed);
  for (LRESULT mode : {MCI_MODE_PAUSE, MCI_MODE_PLAY}) {
    player->togglePause();
    EXPECT_EQ(SendMessageA(player->mciWindow, MCIWNDM_GETMODEA, 0, 0), mode);
  }
  EXPECT_FALSE(player->paused);
}

TEST_F(MusicPlayerTest, AWholeRoundOfUnplayableFilesStopsTheMusic) {
  const std::string folder = root + "\\texts";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  for (const char* name : {"\\a.txt", "\\b.txt", "\\desktop.ini"})
    ASSERT_TRUE(writeFile(folder + name, "not music"));
  start(folder);
  EXPECT_FALSE(failed);  // the folder holds files, though none of them plays
  // Each further try is a message of its own; once the queue is empty nothing more starts.
  auto settle = [] {
    return pumpUntil([] {
      MSG message;
      return !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    });
  };
  ASSERT_TRUE(settle());
  EXPECT_EQ(MciWindowWatch::created, 3);
  player->nextTrack();  // the user may try one more round
  ASSERT_TRUE(settle());
  EXPECT_EQ(MciWindowWatch::created, 6);
}

TEST_F(MusicPlayerTest, FoldersWithoutMusicLeaveThePlayerDisabled) {
  ASSERT_TRUE(CreateDirectoryA((root + "\\empty").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((root + "\\empty\\nested").c_str(), nullptr));
  const int registered = WindowRegistry::size();
  const struct {
    std::string folder;
    bool failed;  // known at once; an empty tree only once scanned
  } cases[] = {{root + "\\missing", true},
               {root + "\\empty", false},
               {root + "\\notes.txt", true},
               {std::string(), true},
               {root + "\\" + std::string(260 - root.size(), 'x'), true}};
  for (const auto& [folder, failing] : cases) {
    failed = !failing;
    start(folder);
    EXPECT_EQ(failed, failing) << folder;
    EXPECT_TRUE(player->disabled && player->tracks.empty()) << folder;
    player->toggleMute();
    player->volumeUp();
    player->nextTrack();
    player->previousTrack();
    EXPECT_FALSE(player->muted || player->volume != 500 || player->mciWindow) << folder;
    player.reset();
    EXPECT_EQ(WindowRegistry::size(), registered) << folder;
  }
  EXPECT_EQ(MciWindowWatch::created, 0);
}

// Hundreds of track changes over very short tones and files that only pretend to be music.
// Each change closes the device whose driver thread has just reported the end; the player must
// neither crash nor stop nor hold the message loop.
TEST_F(MusicPlayerTest, HundredsOfTrackChangesOverShortAndBrokenFiles) {
  const std::string folder = root + "\\stress";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  for (const char* name : {"\\a.wav", "\\b.wav", "\\c.wav"})
    ASSERT_TRUE(writeTone(folder + name, 0.05, 880));
  const std::string cut = readFile(folder + "\\a.wav").substr(0, 100);  // promises 800 bytes
  for (const auto& [name, content] : {std::pair<const char*, std::string>{"\\cut.wav", cut},
                                      {"\\empty.wav", ""},
                                      {"\\text.wav", "not a wave at all"},
                                      {"\\huge.wav", std::string("RIFF\xff\xff\xff\x7fWAVEfmt \xff\xff\xff\x7f", 20)}})
    ASSERT_TRUE(writeFile(folder + name, content));
  start(folder);
  ASSERT_FALSE(failed);
  ULONGLONG last = GetTickCount64(), longestGap = 0;  // between two turns of the message loop
  ASSERT_TRUE(pumpUntil([&] {
    longestGap = std::max(longestGap, GetTickCount64() - last);
    last = GetTickCount64();
    return MciWindowWatch::created >= 300;
  }, 180000)) << MciWindowWatch::created << " stopped on " << player->tracks[player->currentTrack];
  EXPECT_LT(longestGap, 3000u);
}
