// The music folder text and the volume bar's shape.
#include <gtest/gtest.h>

#include <string>

#include "music/music_folder.h"
#include "music/volume_bar_shape.h"

TEST(MusicFolder, TextsBecomeTheSearchedFolderOrAreRefused) {
  const std::string longest(260, 'x');
  const struct {
    std::string text;
    const char* folder;  // null when refused
  } cases[] = {{"C:/Music/", "C:\\Music"},
               {"C:\\Music\\", "C:\\Music"},
               {"D:/a/b", "D:\\a\\b"},
               {longest, longest.c_str()},
               {std::string(261, 'x'), nullptr},
               {"", nullptr},  // would search the root of the current drive
               {"/", nullptr}};
  for (const auto& c : cases) {
    std::string folder = "stale";
    EXPECT_EQ(normaliseMusicFolder(c.text.c_str(), folder), c.folder != nullptr) << c.text;
    EXPECT_EQ(folder, c.folder ? c.folder : "") << c.text;
  }
}

TEST(VolumeBar, OneBarPerHundredEachTallerAndFurtherRight) {
  EXPECT_EQ(volumeBarQuads(50).size(), 0u);
  EXPECT_EQ(volumeBarQuads(250).size(), 2u);
  EXPECT_EQ(volumeBarQuads(1000).size(), 10u);
  const auto bars = volumeBarQuads(500);
  ASSERT_EQ(bars.size(), 5u);
  EXPECT_FLOAT_EQ(bars[0].left, -0.732f);
  EXPECT_FLOAT_EQ(bars[0].top, -0.33f);
  for (size_t i = 1; i < bars.size(); ++i) {
    EXPECT_NEAR(bars[i].left - bars[i - 1].left, 0.0082f, 1e-6f);
    EXPECT_NEAR(bars[i].top - bars[i - 1].top, 0.005f, 1e-6f);
    EXPECT_LT(bars[i - 1].right, bars[i].left);  // bars stand apart
  }
}
