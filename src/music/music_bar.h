#pragma once
// The music bar of a photo show: six buttons at the left edge of the scene (music on/off,
// play/pause, next track, previous track, volume up, volume down), the music player they
// command, and the volume bar drawn beside them.
//
// The photo show owns one MusicBar and declares it after its panel, so the player and the texts
// go before the panel's bars and buttons. Main thread only, with the GL context current.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "music/music_player.h"

class GlButton;
class GlPanel;
class Language;

// Roles of the music bar's buttons, in the order they stand on the bar from the top.
enum MusicButton { musicOnOff, musicPause, musicNext, musicPrevious, musicLouder, musicQuieter };

class MusicBar {
public:
  MusicBar();
  ~MusicBar();
  MusicBar(const MusicBar&) = delete;
  MusicBar& operator=(const MusicBar&) = delete;

  // Adds the bar and its six buttons to `panel` (tooltips shown in `window`, texts from the
  // language section "Music" of "Scene"), then starts the player on `musicDir` with the
  // program's module. When the player cannot start, the show goes on without music: no player,
  // `musicOn` false and the texts released, while the bar and its buttons stay.
  void build(GlPanel& panel, HWND window, const char* musicDir);

  // Once the player's scan has ended without a track, the show goes on without music as when
  // the player cannot start: the player goes, `musicOn` turns false and the texts are
  // released. Once per frame.
  void dropEmptyPlayer();

  // Runs the command of the button named `pickName` when music is on and the name is one of
  // the six; returns true then, false when the click is someone else's. The two-picture
  // buttons switch picture and tooltip with their state even when the player is disabled.
  bool click(int64_t pickName);

  // The volume bar: one bar per 100 of the player's volume. Nothing without music or while the
  // panels are hidden. Expects blending on.
  void drawVolume() const;

  std::unique_ptr<MusicPlayer> music;  // none without music
  bool musicOn = false;                // the bar's commands and the volume bar are active
  bool musicPlaying = true;            // state of the play/pause button
  bool musicMuted = false;             // state of the on/off button
  uint32_t pickNames[6] = {};          // pick names by MusicButton
  GlButton* buttons[6] = {};           // the buttons, owned by the panel
  std::unique_ptr<Language> texts;     // the bar's language section; none without music

private:
  void goWithoutMusic();
  // Shows picture `imageIndex` on the button and the text of `key` as its tooltip.
  void showState(MusicButton role, uint32_t imageIndex, const char* key);
};
