// The music folder text: what the user typed becomes the folder searched for music.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "music/music_folder.h"
#include "music/music_scan.h"
#include "music/sound_signature.h"
#include "music/volume_bar_shape.h"
#include "sources/fake_listing.h"

TEST(MusicFolder, TextsBecomeTheSearchedFolderOrAreRefused) {
  const std::string longest(260, 'x');
  std::string cyrillic;  // 260 characters in 520 bytes
  for (int i = 0; i < 260; ++i) cyrillic += "\xD0\x96";
  // The folder is null when the text is refused; "" would search the root of the current drive.
  const struct { std::string text; const char* folder; } cases[] = {
      {"C:/Music/", "C:\\Music"}, {"D:/a/b", "D:\\a\\b"}, {"x", "x"}, {longest, longest.c_str()},
      {std::string(261, 'x'), nullptr}, {"", nullptr}, {"/", nullptr},
      {cyrillic, cyrillic.c_str()}, {cyrillic + "x", nullptr},
      {"C:\\Music\\*", nullptr}, {"C:\\Mu?ic", nullptr}, {"C:\\a\"b", nullptr}};
  for (const auto& c : cases) {
    std::string folder = "stale";
    EXPECT_EQ(normaliseMusicFolder(c.text.c_str(), folder), c.folder != nullptr) << c.text;
    EXPECT_EQ(folder, c.folder ? c.folder : "") << c.text;
  }
  std::string folder = "stale";
  EXPECT_FALSE(normaliseMusicFolder(nullptr, folder));
  EXPECT_EQ(folder, "");
}

// The music scan takes every file, names starting with dots too, but enters no link and
// neither "." nor "..", and stops at the track cap and at the depth bound.
TEST(MusicScan, TakesEveryFileButNoLinkAndStopsAtTheCapAndDepth) {
  FakeListing listing;
  listing.folders["M"] = {{".", true}, {"a.mp3", false}, {"loop", true, true},
                          {"sub", true}, {"notes.txt", false}, {".a", false}, {"..b", false}, {"kmsg", false, false, true}};
  listing.folders["M/."] = listing.folders["M/sub/.."] = {{"again.mp3", false}};
  listing.folders["M/loop"] = {{"looped.mp3", false}};
  listing.folders["M/sub"] = {{"..", true}, {"b.wav", false}, {"deep", true}};
  listing.folders["M/sub/deep"] = {{"c.mid", false}};
  const struct { size_t cap; int maxDepth; std::vector<std::string> tracks; } cases[] = {
      {100, 32, {"M/a.mp3", "M/sub/b.wav", "M/sub/deep/c.mid", "M/notes.txt", "M/.a", "M/..b"}},
      {2, 32, {"M/a.mp3", "M/sub/b.wav"}}, {0, 32, {}},
      {100, 1, {"M/a.mp3", "M/sub/b.wav", "M/notes.txt", "M/.a", "M/..b"}},
  };
  for (const auto& c : cases) {
    ScanLimits limits;
    limits.maxDepth = c.maxDepth;
    std::vector<std::string> tracks;
    listing.visited = 0;
    scanMusicFolder("M", listing, tracks, limits, c.cap);
    EXPECT_EQ(tracks, c.tracks) << c.cap << " " << c.maxDepth;
    // Nothing is listed after the cap is reached.
    if (c.cap <= 2) EXPECT_EQ(listing.visited, c.cap == 2 ? 6 : 1);
  }
  // Unless told otherwise a playlist ends at 10,000 tracks, however big the folder.
  listing.folders["big"].assign(10001, {"x.mp3", false});
  std::vector<std::string> tracks;
  scanMusicFolder("big", listing, tracks);
  EXPECT_EQ(tracks.size(), 10000u);
}

// Sound files are told from the rest by their first bytes.
TEST(SoundSignature, KnownSoundFormatsAndNothingElse) {
  const std::pair<std::string, bool> starts[] = {
      {"RIFF\x24\x01\x02\x03WAVE", true}, {"ID3\x04", true}, {"\xFF\xFB\x90", true}, {"\xFF\xF1", true}, {"MThd", true},
      {"OggS", true}, {"fLaC", true}, {"FORM", true}, {".snd", true}, {"#!AMR", true}, {"\x30\x26\xB2\x75", true},
      {"\x01\x02\x03\x04" "ftypM4A ", true}, {"\xFF\xD8\xFF", false}, {"\x7F" "ELF", false}, {"MZ", false}, {"RIF", false},
      {"not music", false}, {"", false}, {"\x01\x02\x03\x04" "fty", false}};
  for (const auto& [start, sound] : starts)
    EXPECT_EQ(startsLikeSound(reinterpret_cast<const uint8_t*>(start.data()), start.size()), sound) << start;
}

// One bar per whole hundred of volume, each right of and taller than the one before.
TEST(VolumeBar, OneBarPerHundredRisingLeftToRight) {
  for (const auto& [volume, bars] : {std::pair{0u, 0u}, {99u, 0u}, {100u, 1u}, {550u, 5u}, {1000u, 10u}})
    EXPECT_EQ(volumeBarQuads(volume).size(), bars) << volume;
  const std::vector<VolumeBarQuad> quads = volumeBarQuads(1000);
  for (size_t i = 1; i < quads.size(); ++i)
    EXPECT_TRUE(quads[i].left > quads[i - 1].right && quads[i].top > quads[i - 1].top &&
                quads[i].bottom == quads[0].bottom && quads[i].right > quads[i].left) << i;
}
