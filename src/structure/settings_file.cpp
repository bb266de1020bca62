#include "structure/settings_file.h"

void readSettings(const SettingsEnvironment& environment) {
  settings.dialogFont = environment.dialogFont;
  settings.windowWidth = 450;
  settings.windowHeight = 370;
  if (!settings.lastPosition) {
    settings.windowX = (environment.screenWidth - 450) / 2;
    settings.windowY = (environment.screenHeight - 370) / 2;
  }
}

bool writeSettings() { return true; }
