#include "app/settings_environment.h"

#include <windows.h>

SettingsEnvironment settingsEnvironment() {
  SettingsEnvironment environment;
  environment.dialogFont = GetStockObject(DEFAULT_GUI_FONT);
  environment.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  environment.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  return environment;
}
