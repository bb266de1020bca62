// MP3 tracks through the MCI player under Wine, which needs GStreamer's base and good plugins
// for them: without those MCI cannot open an MP3, every track fails, and the music is silent.
#include <gtest/gtest.h>

#include "music/music_player.h"
#include "support/harness.h"

TEST(Mp3Playback, TracksFollowOneAnotherAndRoundAgain) {
  bool failed = true;
  // The folder with forward slashes, as a user may type it.
  auto player = std::make_unique<MusicPlayer>(GetModuleHandleA(nullptr), "Z:" OVIX_MP3_TRACKS, failed);
  // Tracks that cannot be opened are passed over in one go and a whole round of failures stops
  // the music; here each track is seen in turn, and then the first again.
  std::vector<size_t> played{0};
  EXPECT_TRUE(waitFor([&] {
    if (player->currentTrack != played.back()) played.push_back(player->currentTrack);
    return played.size() == 4;
  }));
  EXPECT_EQ(played, (std::vector<size_t>{0, 1, 2, 0}));
}
