#pragma once
#include "structure/settings.h"

// The platform values the settings take at start-up: the stock dialog font and the primary
// screen's size.
SettingsEnvironment settingsEnvironment();
