// The music bar in a GL context, run in the staged program folder for its pictures and texts:
// the commands its buttons give the player and the pictures its two-state buttons show, and a
// show whose music folder holds no track.
#include <gtest/gtest.h>

#include <tuple>

#include "glui/gl_panel.h"
#include "glui/gl_test_context.h"
#include "music/music_bar.h"
#include "photos/photo_show.h"
#include "support/harness.h"
#include "wave_files.h"

namespace {
class MusicBarTest : public testing::Test {
protected:
  void SetUp() override {
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    ASSERT_TRUE(SetCurrentDirectoryA(stagedProgramFolder().c_str()) && gl.ready());
  }
  void TearDown() override {
    SetCurrentDirectoryA(previousFolder);
    removeFolder(music);
  }
  char previousFolder[MAX_PATH] = {};
  const std::string music = makeScratchFolder("musicbar");
  GlTestContext gl;
};
}  // namespace

TEST_F(MusicBarTest, ButtonsCommandThePlayerAndShowItsState) {
  for (const char* name : {"\\one.wav", "\\two.wav", "\\three.wav"}) ASSERT_TRUE(writeTone(music + name, 0.3, 500));
  GlPanel panel;
  MusicBar bar;  // after the panel, as in the photo show
  bar.build(panel, gl.window, music.c_str());
  ASSERT_TRUE(bar.music && waitFor([&] { return !bar.music->scanning(); }));
  const MusicPlayer& player = *bar.music;
  // Each click, then the button's picture and the player's mute, pause, volume and track.
  const size_t first = player.currentTrack, previous = (first + 2) % 3;
  const std::tuple<MusicButton, uint32_t, bool, bool, uint32_t, size_t> clicks[] = {
      {musicOnOff, 1, true, false, 500, first},        {musicOnOff, 0, false, false, 500, first},
      {musicPause, 1, false, true, 500, first},        {musicPause, 0, false, false, 500, first},
      {musicLouder, 0, false, false, 550, first},      {musicQuieter, 0, false, false, 500, first},
      {musicPrevious, 0, false, false, 500, previous}, {musicNext, 0, false, false, 500, first}};
  for (const auto& [role, imageIndex, muted, paused, volume, track] : clicks) {
    EXPECT_TRUE(bar.click(bar.pickNames[role])) << role;
    EXPECT_TRUE(bar.buttons[role]->imageIndex == imageIndex && player.muted == muted && player.paused == paused &&
                player.volume == volume && player.currentTrack == track)
        << role;
  }
  EXPECT_STREQ(bar.buttons[musicPause]->tooltip->text, "Pause the music");  // back with its state
  EXPECT_FALSE(bar.click(bar.pickNames[musicQuieter] + 1) || bar.click(-1));
}

// A music folder without a track is known only once scanned; the show then goes on without
// music: the bar's texts released, its buttons doing nothing. The next show finds a track added
// meanwhile.
TEST_F(MusicBarTest, AShowGoesOnWithoutMusicWhileItsFolderHasNoTrack) {
  // cache level, texture size, flip time, effect, music, smoothing, names, sub-folders, folders (no
  // photos in the music's either), owner
  const ShowParams params{8, 256, 100, 1111, true, false, false, false, music, "", music, gl.window};
  auto show = std::make_unique<PhotoShow>(params);
  MusicBar& bar = show->musicBar;
  ASSERT_TRUE(waitFor([&] { return show->draw(), !bar.music; }));
  EXPECT_TRUE(!bar.musicOn && !bar.texts && !bar.click(bar.pickNames[musicOnOff]) && bar.buttons[musicOnOff]->imageIndex == 0);
  ASSERT_TRUE(writeTone(music + "\\tone.wav", 0.3, 500));
  show.reset();  // shows follow one another, as the open dialog replaces them
  show = std::make_unique<PhotoShow>(params);
  ASSERT_TRUE(waitFor([&] { return show->draw(), !show->musicBar.music || !show->musicBar.music->scanning(); }));
  ASSERT_TRUE(show->musicBar.music);
  EXPECT_TRUE(show->musicBar.musicOn && show->musicBar.music->tracks.size() == 1);
}
