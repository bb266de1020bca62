// The MCI music player under Wine, playing generated tones through the runner's null sound
// device: notifications, the volume of each new track, files that cannot play, and the folders
// that leave the player disabled.
#include <gtest/gtest.h>
#include <windows.h>

#include <vfw.h>

#include <set>

#include "music/music_player.h"
#include "platform/path_text.h"
#include "platform/window_registry.h"
#include "support/harness.h"
#include "wave_files.h"

namespace {
// Watches this thread's MCI windows: how many were made, the volume last given to one (Wine's
// MCI window does not answer MCIWNDM_GETVOLUME), and the tracks whose end-of-track notification
// was taken from the queue (a track that only failed to play never gets there).
struct MciWatch {
  MciWatch() { created = 0, ended.clear(); }
  ~MciWatch() { UnhookWindowsHookEx(callHook), UnhookWindowsHookEx(getHook); }
  static LRESULT CALLBACK onCall(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char className[16] = {};
    if (call->message == MCIWNDM_SETVOLUME) volume = call->lParam;
    if (call->message == WM_CREATE && GetClassNameA(call->hwnd, className, sizeof className))
      created += lstrcmpiA(className, "MCIWndClass") == 0;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static LRESULT CALLBACK onGet(int code, WPARAM wParam, LPARAM lParam) {
    const auto* got = reinterpret_cast<const MSG*>(lParam);
    if (player && wParam == PM_REMOVE && got->message == MM_MCINOTIFY && got->wParam == MCI_NOTIFY_SUCCESSFUL)
      ended.insert(player->currentTrack);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline int created = 0;
  static inline LPARAM volume = -1;
  static inline const MusicPlayer* player = nullptr;
  static inline std::set<size_t> ended;
  HHOOK callHook = SetWindowsHookExA(WH_CALLWNDPROC, onCall, nullptr, GetCurrentThreadId());
  HHOOK getHook = SetWindowsHookExA(WH_GETMESSAGE, onGet, nullptr, GetCurrentThreadId());
};

class MusicPlayerTest : public testing::Test {
protected:
  void TearDown() override {
    MciWatch::player = nullptr;
    player.reset();
    removeFolder(root);
  }
  // Creates the player on `folder` and waits for its scan.
  void start(const std::string& folder) {
    player = std::make_unique<MusicPlayer>(GetModuleHandleA(nullptr), folder.c_str(), failed);
    MciWatch::player = player.get();
    EXPECT_EQ(player->scanning(), !failed) << "the scan runs on a thread of its own";
    ASSERT_TRUE(waitFor([&] { return !player->scanning(); }));
  }

  const std::string root = makeScratchFolder("music");
  bool failed = true;
  std::unique_ptr<MusicPlayer> player;
  MciWatch watch;
};
}  // namespace

// The tracks are named in several scripts, in a folder named so; after the changes the test
// makes, each plays to its end.
TEST_F(MusicPlayerTest, NotificationsMoveOnOnlyAfterAnEndOrAFailureAndEachTrackGetsTheVolume) {
  const std::string folder = root + utf8FromWide(L"\\\u041C\u0443\u0437\u044B\u043A\u0430 \U0001F3B5");
  ASSERT_TRUE(CreateDirectoryW(widePath(folder).c_str(), nullptr));
  for (const wchar_t* name : {L"\u043F\u0435\u0441\u043D\u044F.wav", L"\u6B4C \u03C9.wav", L"tone.wav"})
    ASSERT_TRUE(writeTone(folder + "\\" + utf8FromWide(name), 0.3, 440));
  start(folder);
  ASSERT_TRUE(!failed && player->tracks.size() == 3);
  EXPECT_FALSE(IsWindowVisible(player->handle) || IsWindowVisible(player->mciWindow));

  // Aborted and superseded come from our own track changes; a failure moves on like an end.
  // No message is dispatched in between, so no track ends meanwhile.
  for (WPARAM code : {MCI_NOTIFY_ABORTED, MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_FAILURE, MCI_NOTIFY_SUCCESSFUL}) {
    const size_t before = player->currentTrack;
    SendMessageA(player->handle, MM_MCINOTIFY, code, 1);
    const bool movesOn = code == MCI_NOTIFY_FAILURE || code == MCI_NOTIFY_SUCCESSFUL;
    EXPECT_EQ(player->currentTrack, movesOn ? (before + 1) % 3 : before) << code;
  }

  // Each new track gets the volume, 0 while muted.
  player->toggleMute();
  MciWatch::volume = -1;
  player->nextTrack();
  EXPECT_EQ(MciWatch::volume, 0);
  player->toggleMute();
  player->volumeUp();
  MciWatch::volume = -1;
  player->previousTrack();
  EXPECT_EQ(MciWatch::volume, 550);
  EXPECT_TRUE(waitFor([] { return MciWatch::ended.size() == 3; }));
}

TEST_F(MusicPlayerTest, AWholeRoundOfFilesThatDoNotPlayStopsTheMusicUntilTheUserTriesAgainAndNeverHoldsAQuit) {
  // Three start like a sound file, so the media control interface is asked to open them; the
  // fourth is passed over without.
  for (const char* name : {"\\a.txt", "\\b.txt", "\\desktop.ini"}) ASSERT_TRUE(writeFile(root + name, "RIFF not music"));
  ASSERT_TRUE(writeFile(root + "\\readme.txt", "not music"));
  start(root);
  EXPECT_FALSE(failed);  // the folder holds files, though none of them plays
  // Once the queue runs dry the player has stopped, each file tried once (four fit one turn).
  // The user may try another round.
  MSG message;
  auto stopped = [&] { return waitFor([&] { return !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); }); };
  ASSERT_TRUE(stopped());
  EXPECT_EQ(MciWatch::created, 3);
  player->previousTrack();
  ASSERT_TRUE(stopped());
  EXPECT_EQ(MciWatch::created, 6);

  // Twenty are tried a few at a time from a timer: a quit comes before the rest of the round,
  // where a message posted for each try would keep it waiting until every file had been tried.
  for (int i = 0; i < 17; ++i) ASSERT_TRUE(writeFile(root + "\\more" + std::to_string(i), "RIFF not music"));
  MciWatch::created = 0;
  start(root);
  PostQuitMessage(0);
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  EXPECT_LT(MciWatch::created, 20);
  EXPECT_TRUE(waitFor([&] { return MciWatch::created == 20; }));
}

TEST_F(MusicPlayerTest, FoldersWithoutMusicLeaveThePlayerDisabled) {
  ASSERT_TRUE(CreateDirectoryA((root + "\\empty").c_str(), nullptr) &&
              CreateDirectoryA((root + "\\empty\\nested").c_str(), nullptr));
  ASSERT_TRUE(writeFile(root + "\\notes.txt", "not music"));
  const int registered = WindowRegistry::size();
  // A missing folder or a file fails at once; an empty tree only once scanned. (The music bar
  // lets go of a player left so, and with it the controls.)
  for (const auto& [folder, failing] : {std::pair{"\\missing", true}, {"\\empty", false}, {"\\notes.txt", true}}) {
    failed = !failing;
    start(root + folder);
    EXPECT_TRUE(failed == failing && player->disabled && player->tracks.empty() && !player->mciWindow) << folder;
    player.reset();
    EXPECT_EQ(WindowRegistry::size(), registered) << folder;
  }
}

// Hundreds of track changes over very short tones and files that only pretend to be music: each
// change closes the device whose driver thread has just reported the end, and the player must
// neither crash nor stop.
TEST_F(MusicPlayerTest, HundredsOfTrackChangesOverShortAndBrokenFiles) {
  for (const char* name : {"\\a.wav", "\\b.wav", "\\c.wav"}) ASSERT_TRUE(writeTone(root + name, 0.05, 880));
  for (const auto& [name, content] : {std::pair<const char*, std::string>{"\\cut.wav", readFile(root + "\\a.wav").substr(0, 100)},
                                      {"\\empty.wav", ""},
                                      {"\\huge.wav", std::string("RIFF\xff\xff\xff\x7fWAVEfmt \xff\xff\xff\x7f", 20)}})
    ASSERT_TRUE(writeFile(root + name, content));
  start(root);
  ASSERT_TRUE(waitFor([] { return MciWatch::created >= 300; }, 180000)) << MciWatch::created;
}
