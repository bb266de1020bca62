// The music bar in a GL context, run in the staged program folder: its buttons, the commands
// they give the player, their pictures and tooltips, and the volume bar on screen.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "glui/gl_panel.h"
#include "glui/gl_test_context.h"
#include "glui/scene_point.h"
#include "music/music_bar.h"
#include "structure/settings.h"
#include "support/harness.h"
#include "wave_files.h"

namespace {
constexpr int width = 1024, height = 768;

class MusicBarTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ready());
    ASSERT_EQ(nextPickName, 0u) << "another panel is still alive";
    for (const char* name : {"\\one.wav", "\\two.wav", "\\three.wav"})
      ASSERT_TRUE(writeTone(music + name, 0.3, 500));
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    ASSERT_TRUE(SetCurrentDirectoryA(stagedProgramFolder().c_str()));
    settings = Settings();
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
  }
  void TearDown() override {
    SetCurrentDirectoryA(previousFolder);
    removeFolder(music);
  }
  const char* tooltipOf(MusicButton role) const { return bar.buttons[role]->tooltip->text; }

  // Counts the separate orange bars in the band of rows where every volume bar stands.
  int volumeBarsOnScreen() {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    bar.drawVolume();
    glDisable(GL_BLEND);
    std::vector<unsigned char> pixels(width * height * 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    const Pixel from = scenePixel(-0.74, -0.3295, -1.5, width, height);
    const Pixel to = scenePixel(-0.64, -0.3325, -1.5, width, height);
    int bars = 0;
    bool inBar = false;
    for (int x = from.x; x <= to.x; ++x) {
      bool lit = false;
      for (int y = from.y; y <= to.y; ++y)
        lit = lit || pixels[((height - 1 - y) * width + x) * 4] > 8;
      bars += lit && !inBar;
      inBar = lit;
    }
    return bars;
  }

  GlTestContext gl{width, height};
  const std::string music = makeScratchFolder("musicbar");
  char previousFolder[MAX_PATH] = {};
  GlPanel panel;
  MusicBar bar;  // after the panel, as in the photo show
};
}  // namespace

TEST_F(MusicBarTest, ButtonsCommandThePlayerAndFollowTheirState) {
  bar.build(panel, gl.window, music.c_str());
  ASSERT_TRUE(bar.musicOn && bar.music && bar.texts);
  ASSERT_TRUE(waitFor([&] { return !bar.music->scanning(); }));
  for (int i = 0; i < 6; ++i) ASSERT_EQ(panel.findButton(bar.musicIds[i]), bar.buttons[i]);

  // The player's side of each command is the player test's; here the click reaches it and the
  // two-state buttons follow.
  MusicPlayer& player = *bar.music;
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
    EXPECT_STREQ(tooltipOf(c.role), c.tooltip) << c.role;
    EXPECT_EQ(player.muted, c.muted) << c.role;
    EXPECT_EQ(player.paused, c.paused) << c.role;
  }
  bar.click(bar.musicIds[musicQuieter]);  // the steps themselves are the player test's
  EXPECT_EQ(player.volume, 450u);
  bar.click(bar.musicIds[musicLouder]);
  EXPECT_EQ(player.volume, 500u);
  const size_t track = player.currentTrack;
  bar.click(bar.musicIds[musicNext]);
  EXPECT_EQ(player.currentTrack, (track + 1) % 3);
  bar.click(bar.musicIds[musicPrevious]);
  EXPECT_EQ(player.currentTrack, track);
  EXPECT_FALSE(bar.click(bar.musicIds[musicQuieter] + 1));
  EXPECT_FALSE(bar.click(-1));

  // One bar per 100 of volume, none while the panels are hidden.
  const struct {
    uint32_t volume;
    bool hidden;
    int bars;
  } volumes[] = {{500, false, 5}, {1000, false, 10}, {50, false, 0}, {500, true, 0}};
  for (const auto& v : volumes) {
    player.volume = v.volume;
    panelsHidden = v.hidden;
    EXPECT_EQ(volumeBarsOnScreen(), v.bars) << v.volume << (v.hidden ? " hidden" : "");
  }
  panelsHidden = false;
}

TEST_F(MusicBarTest, WithoutMusicTheBarStaysButTakesNoClicks) {
  bar.build(panel, gl.window, (music + "\\missing").c_str());
  EXPECT_FALSE(bar.musicOn || bar.music || bar.texts);
  EXPECT_EQ(panel.endButton - panel.firstButton, 6u);
  EXPECT_STREQ(tooltipOf(musicOnOff), "Music off");
  EXPECT_FALSE(bar.click(bar.musicIds[musicOnOff]));
  EXPECT_EQ(bar.buttons[musicOnOff]->imageIndex, 0u);
  EXPECT_EQ(volumeBarsOnScreen(), 0);

  // A disabled player ignores the command, yet the on/off button still changes its picture.
  bool failed = false;
  bar.music = std::make_unique<MusicPlayer>(GetModuleHandleA(nullptr), "", failed);
  bar.musicOn = true;
  ASSERT_TRUE(failed && bar.music->disabled);
  EXPECT_TRUE(bar.click(bar.musicIds[musicOnOff]));
  EXPECT_EQ(bar.buttons[musicOnOff]->imageIndex, 1u);
  EXPECT_TRUE(bar.musicMuted);
  EXPECT_FALSE(bar.music->muted);
}
