#include <gtest/gtest.h>

#include "structure/settings_file.h"

TEST(Settings, WindowIsCentredWhenPositionIsNotKept) {
  settings = Settings();
  settings.lastPosition = false;
  SettingsEnvironment environment;
  environment.screenWidth = 1280;
  environment.screenHeight = 1024;
  readSettings(environment);
  EXPECT_EQ(settings.windowX, (1280 - 450) / 2);
  EXPECT_EQ(settings.windowY, (1024 - 370) / 2);
  EXPECT_EQ(settings.windowWidth, 450);
  EXPECT_EQ(settings.windowHeight, 370);
}
