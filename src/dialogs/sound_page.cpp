#include "dialogs/sound_page.h"

#include "structure/settings.h"

SoundPage::SoundPage(const DialogFrame& dialog)
    : ConfigPage(dialog, "Sound Config", "Sound") {
  musicBox = addCheckBox("allow_music", 8, 10, width - 24, 0, settings.music);
}

SoundPage::~SoundPage() = default;

void SoundPage::apply() { settings.music = isTicked(musicBox); }
