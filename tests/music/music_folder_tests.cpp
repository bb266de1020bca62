// The music folder text: what the user typed becomes the folder searched for music.
#include <gtest/gtest.h>

#include <string>

#include "music/music_folder.h"

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
