#include "dialogs/sound_page.h"

#include "structure/settings.h"

SoundPage::SoundPage(HWND dialog, int dialogWidth, int dialogHeight)
    : ConfigPage(dialog, "Sound Config", "Sound", dialogWidth, dialogHeight) {
  musicBox = addCheckBox("allow_music", 8, 10, width - 24, 0, settings.music);
}

SoundPage::~SoundPage() = default;

void SoundPage::apply() { settings.music = isTicked(musicBox); }
