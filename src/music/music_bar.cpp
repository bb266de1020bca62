#include "music/music_bar.h"

#include <GL/gl.h>

#include "glui/gl_panel.h"
#include "music/volume_bar.h"
#include "glui/quad_list.h"
#include "structure/language.h"

namespace {
const struct {
  const char* key;
  const char* pictures[2];
} musicButtons[6] = {
    {"off", {"./data/images/musicon.png", "./data/images/musicoff.png"}},
    {"pause", {"./data/images/pause.png", "./data/images/play.png"}},
    {"next", {"./data/images/end.png", nullptr}},
    {"prev", {"./data/images/begin.png", nullptr}},
    {"vol_up", {"./data/images/volumeup.png", nullptr}},
    {"vol_down", {"./data/images/volumedown.png", nullptr}},
};
}  // namespace

MusicBar::MusicBar() = default;

MusicBar::~MusicBar() {
  texts.reset();
  music.reset();
}

void MusicBar::build(GlPanel& panel, HWND window, const char* musicDir) {
  musicOn = true;
  texts = openLanguage({"Scene", "Music"});

  const float barCorners[4][2] = {
      {-0.75f, 0.4f}, {-0.63f, 0.4f}, {-0.63f, -0.35f}, {-0.75f, -0.35f}};
  GlBar* bar =
      panel.addBar(compileQuadList(GL_QUADS, barCorners, false), compileQuadList(GL_LINES, barCorners, false));
  bar->position[2] = -2.5f;

  for (int i = 0; i < 6; ++i) {
    const float y = -0.105f * static_cast<float>(i);
    const float corners[4][2] = {
        {-0.732f, y + 0.372f}, {-0.65f, y + 0.372f}, {-0.65f, y + 0.288f}, {-0.732f, y + 0.288f}};
    GlButton* button = panel.addButton(compileQuadList(GL_QUADS, corners, true), bar);
    button->minAlpha = 0.2f;
    button->maxAlpha = 0.55f;
    button->setTooltip(window, texts->text(musicButtons[i].key).c_str());
    for (int slot = 0; slot < 2; ++slot)
      if (musicButtons[i].pictures[slot]) button->setImage(musicButtons[i].pictures[slot], slot);
    musicIds[i] = button->pickName;
    buttons[i] = button;
  }

  bool failed = true;
  music = std::make_unique<MusicPlayer>(GetModuleHandleA(nullptr), musicDir, failed);
  if (failed) {
    music.reset();
    musicOn = false;
    texts.reset();
  }
}

bool MusicBar::click(int64_t pickName) {
  if (!musicOn || pickName <= 0) return false;
  int role = 0;
  while (role < 6 && musicIds[role] != pickName) ++role;
  switch (role) {
    case musicOnOff:
      if (music) music->toggleMute();
      showState(musicOnOff, musicMuted ? 0 : 1, musicMuted ? "off" : "on");
      musicMuted = !musicMuted;
      return true;
    case musicPause:
      if (music) music->togglePause();
      showState(musicPause, musicPlaying ? 1 : 0, musicPlaying ? "play" : "pause");
      musicPlaying = !musicPlaying;
      return true;
    case musicNext:
      if (music) music->nextTrack();
      return true;
    case musicPrevious:
      if (music) music->previousTrack();
      return true;
    case musicLouder:
      if (music) music->volumeUp();
      return true;
    case musicQuieter:
      if (music) music->volumeDown();
      return true;
    default:
      return false;
  }
}

void MusicBar::drawVolume() const {
  if (musicOn && music && !panelsHidden) drawVolumeBar(music->volume);
}

void MusicBar::showState(MusicButton role, uint32_t imageIndex, const char* key) {
  GlButton* button = buttons[role];
  if (!button) return;
  button->imageIndex = imageIndex;
  if (!button->tooltip) return;
  button->tooltipText = texts ? texts->text(key) : std::string();
  button->tooltip->setText(button->tooltipText.c_str());
}
