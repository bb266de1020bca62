// The music folder text and the volume bar's shape.
#include <gtest/gtest.h>

#include <string>

#include "music/music_folder.h"
#include "music/volume_bar_shape.h"

TEST(MusicFolder, TextsBecomeTheSearchedFolderOrAreRefused) {
  struct Case {
    std::string text;
    bool accepted;
    const char* folder;
  };
  const Case cases[] = {
      {"C:/Music/", true, "C:\\Music"},
      {"C:\\Music\\", true, "C:\\Music"},
      {"D:/a/b", true, "D:\\a\\b"},
      {"C:\\Music\\\\", true, "C:\\Music\\"},  // only one trailing backslash goes
      {"", false, ""},                          // would search the drive root
      {"/", false, ""},
      {std::string(260, 'x'), true, nullptr},
      {std::string(261, 'x'), false, ""},
  };
  for (const Case& c : cases) {
    std::string folder = "stale";
    EXPECT_EQ(normaliseMusicFolder(c.text.c_str(), folder), c.accepted) << c.text;
    EXPECT_EQ(folder, c.folder ? std::string(c.folder) : c.text) << c.text;
  }
  std::string folder;
  EXPECT_FALSE(normaliseMusicFolder(nullptr, folder));
}

TEST(VolumeBar, OneBarPerHundredEachTallerAndFurtherRight) {
  EXPECT_EQ(volumeBarQuads(0).size(), 0u);
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
    EXPECT_FLOAT_EQ(bars[i].bottom, -0.332f);
    EXPECT_LT(bars[i - 1].right, bars[i].left);  // bars stand apart
  }
}
