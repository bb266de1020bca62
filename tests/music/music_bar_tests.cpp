// The music bar in a GL context, run in the staged program folder for its pictures and texts:
// the commands its buttons give the player and the state its two-state buttons show.
#include <gtest/gtest.h>

#include "glui/gl_panel.h"
#include "glui/gl_test_context.h"
#include "music/music_bar.h"
#include "structure/settings.h"
#include "support/harness.h"
#include "wave_files.h"

TEST(MusicBar, ButtonsCommandThePlayerAndShowItsStateAndWithoutMusicTakeNoClicks) {
  char previousFolder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previousFolder);
  ASSERT_TRUE(SetCurrentDirectoryA(stagedProgramFolder().c_str()));
  settings = Settings();
  const std::string music = makeScratchFolder("musicbar");
  for (const char* name : {"\\one.wav", "\\two.wav", "\\three.wav"}) ASSERT_TRUE(writeTone(music + name, 0.3, 500));
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  {
    GlPanel panel;
    MusicBar bar;
    bar.build(panel, gl.window, (music + "\\missing").c_str());
    EXPECT_FALSE(bar.musicOn || bar.music || bar.texts || bar.click(bar.musicIds[musicOnOff]));
    EXPECT_EQ(panel.endButton - panel.firstButton, 6u);
  }
  GlPanel panel;
  MusicBar bar;  // after the panel, as in the photo show
  bar.build(panel, gl.window, music.c_str());
  ASSERT_TRUE(bar.music && waitFor([&] { return !bar.music->scanning(); }));
  const MusicPlayer& player = *bar.music;
  const struct {
    MusicButton role;
    uint32_t imageIndex;
    const char* tooltip;
    bool muted, paused;
  } clicks[] = {{musicOnOff, 1, "Music on", true, false},
                {musicOnOff, 0, "Music off", false, false},
                {musicPause, 1, "Play the music", false, true},
                {musicPause, 0, "Pause the music", false, false}};
  for (const auto& c : clicks) {
    EXPECT_TRUE(bar.click(bar.musicIds[c.role])) << c.role;
    EXPECT_EQ(bar.buttons[c.role]->imageIndex, c.imageIndex) << c.role;
    EXPECT_STREQ(bar.buttons[c.role]->tooltip->text, c.tooltip) << c.role;
    EXPECT_TRUE(player.muted == c.muted && player.paused == c.paused) << c.role;
  }
  // The volume stays within 0...1000; previous and next go round the three tones.
  for (int i = 0; i < 12; ++i) bar.click(bar.musicIds[musicLouder]);
  EXPECT_EQ(player.volume, 1000u);
  for (int i = 0; i < 21; ++i) bar.click(bar.musicIds[musicQuieter]);
  EXPECT_EQ(player.volume, 0u);
  const size_t track = player.currentTrack;
  bar.click(bar.musicIds[musicPrevious]);
  EXPECT_EQ(player.currentTrack, (track + 2) % 3);
  bar.click(bar.musicIds[musicNext]);
  EXPECT_EQ(player.currentTrack, track);
  EXPECT_FALSE(bar.click(bar.musicIds[musicQuieter] + 1) || bar.click(-1));
  bar.music.reset();  // lets go of the tones
  SetCurrentDirectoryA(previousFolder);
  removeFolder(music);
}
