// The music bar in a GL context, run in the staged program folder for its pictures and texts:
// the commands its buttons give the player and the pictures its two-state buttons show.
#include <gtest/gtest.h>

#include "glui/gl_panel.h"
#include "glui/gl_test_context.h"
#include "music/music_bar.h"
#include "support/harness.h"
#include "wave_files.h"

TEST(MusicBar, ButtonsCommandThePlayerAndShowItsState) {
  char previousFolder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previousFolder);
  ASSERT_TRUE(SetCurrentDirectoryA(stagedProgramFolder().c_str()));
  const std::string music = makeScratchFolder("musicbar");
  for (const char* name : {"\\one.wav", "\\two.wav", "\\three.wav"}) ASSERT_TRUE(writeTone(music + name, 0.3, 500));
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  GlPanel panel;
  MusicBar bar;  // after the panel, as in the photo show
  bar.build(panel, gl.window, music.c_str());
  ASSERT_TRUE(bar.music && waitFor([&] { return !bar.music->scanning(); }));
  const MusicPlayer& player = *bar.music;
  // What each click leaves: the button's picture and the player's mute, pause, volume and track.
  const size_t track = player.currentTrack, previous = (track + 2) % 3;
  const struct {
    MusicButton role;
    uint32_t imageIndex;
    bool muted, paused;
    uint32_t volume;
    size_t track;
  } clicks[] = {{musicOnOff, 1, true, false, 500, track},        {musicOnOff, 0, false, false, 500, track},
                {musicPause, 1, false, true, 500, track},        {musicPause, 0, false, false, 500, track},
                {musicLouder, 0, false, false, 550, track},      {musicQuieter, 0, false, false, 500, track},
                {musicPrevious, 0, false, false, 500, previous}, {musicNext, 0, false, false, 500, track}};
  for (const auto& c : clicks) {
    EXPECT_TRUE(bar.click(bar.pickNames[c.role])) << c.role;
    EXPECT_TRUE(bar.buttons[c.role]->imageIndex == c.imageIndex && player.muted == c.muted &&
                player.paused == c.paused && player.volume == c.volume && player.currentTrack == c.track)
        << c.role;
  }
  EXPECT_STREQ(bar.buttons[musicPause]->tooltip->text, "Pause the music");  // back with its state
  EXPECT_FALSE(bar.click(bar.pickNames[musicQuieter] + 1) || bar.click(-1));
  bar.music.reset();  // lets go of the tones
  SetCurrentDirectoryA(previousFolder);
  removeFolder(music);
}
