// MP3 tracks through the MCI player under Wine, which needs GStreamer's base and good plugins
// for them: without those MCI cannot open an MP3, every track fails, and the music is silent.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "music/music_player.h"
#include "support/harness.h"

TEST(Mp3Playback, TracksPlayOneAfterAnotherAndRoundAgain) {
  std::string folder = "Z:" OVIX_MP3_TRACKS;
  std::replace(folder.begin(), folder.end(), '/', '\\');
  bool failed = true;
  auto player = std::make_unique<MusicPlayer>(GetModuleHandleA(nullptr), folder.c_str(), failed);
  // Files that fail are tried one after another at once, and a whole round of them stops the
  // music; only tracks that play to their end are seen here one by one, and round again.
  std::vector<size_t> played{0};
  EXPECT_TRUE(waitFor([&] {
    if (player->currentTrack != played.back()) played.push_back(player->currentTrack);
    return played.size() == 4;
  }));
  EXPECT_EQ(played, (std::vector<size_t>{0, 1, 2, 0}));
}
