// MP3 tracks through the MCI player under Wine, which needs GStreamer's base and good plugins
// for them: without those MCI cannot open an MP3, every track fails, and the music is silent.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "music/music_player.h"
#include "support/harness.h"

TEST(Mp3Playback, TracksPlayToTheirEndOneAfterAnother) {
  bool failed = true;
  std::string folder = "Z:" OVIX_MP3_TRACKS;
  for (char& c : folder) c = c == '/' ? '\\' : c;
  std::unique_ptr<MusicPlayer> player(new MusicPlayer(GetModuleHandleA(nullptr), folder.c_str(), failed));
  ASSERT_FALSE(failed);
  ASSERT_TRUE(waitFor([&] { return !player->scanning(); }));
  ASSERT_EQ(player->tracks.size(), 3u);

  // Each end-of-track notification of the player, until the three tracks and the first again
  // have played.
  std::vector<WPARAM> notified;
  std::vector<size_t> played{player->currentTrack};
  const ULONGLONG end = GetTickCount64() + 30000;
  MSG message;
  while (played.size() < 5 && GetTickCount64() < end) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      continue;
    }
    if (message.message == MM_MCINOTIFY && message.hwnd == player->handle) notified.push_back(message.wParam);
    DispatchMessageA(&message);
    if (player->currentTrack != played.back()) played.push_back(player->currentTrack);
  }
  ASSERT_EQ(played.size(), 5u) << "the tracks did not advance";
  for (size_t i = 1; i < played.size(); ++i) EXPECT_EQ(played[i], (played[i - 1] + 1) % 3);
  // Every move came from a track that played to its end, none from a failure.
  EXPECT_EQ(notified, std::vector<WPARAM>(notified.size(), MCI_NOTIFY_SUCCESSFUL));
  EXPECT_GE(notified.size(), 4u);
}
