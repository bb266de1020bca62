#include "music/music_bar.h"

#include "glui/button_column.h"
#include "glui/gl_button.h"
#include "glui/gl_panel.h"
#include "music/volume_bar.h"
#include "structure/language.h"

namespace {
const ColumnButton musicButtons[6] = {
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

  addButtonColumn(panel, window, *texts, ColumnLook{-0.75f, 0.55f, 0.15f, 1.0f}, musicButtons, 6,
                  pickNames, buttons);

  bool failed = true;
  music = std::make_unique<MusicPlayer>(GetModuleHandleA(nullptr), musicDir, failed);
  if (failed) goWithoutMusic();
}

void MusicBar::dropEmptyPlayer() {
  if (music && !music->scanning() && music->tracks.empty()) goWithoutMusic();
}

void MusicBar::goWithoutMusic() {
  music.reset();
  musicOn = false;
  texts.reset();
}

bool MusicBar::click(int64_t pickName) {
  if (!musicOn || pickName <= 0) return false;
  int role = 0;
  while (role < 6 && pickNames[role] != pickName) ++role;
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
  if (musicOn && music && !music->disabled && !panelsHidden) drawVolumeBar(music->volume);
}

void MusicBar::showState(MusicButton role, uint32_t imageIndex, const char* key) {
  GlButton* button = buttons[role];
  if (!button) return;
  button->showState(imageIndex, texts ? texts->text(key) : "");
}
