#pragma once
// The configuration dialog's sound page: whether background music plays. The running music
// is not told; the next show takes the setting.
#include "dialogs/config_page.h"

class SoundPage : public ConfigPage {
public:
  explicit SoundPage(const DialogFrame& dialog);
  ~SoundPage() override;

  void apply() override;  // "music" from the tick

  HWND musicBox = nullptr;
};
