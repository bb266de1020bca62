#pragma once
// Reading and writing config.conf in the current directory.
#include "structure/settings.h"

// Fills `settings` from ./config.conf, completing missing keys with their defaults, and
// writes the completed file back at once. A missing or unreadable file gives the defaults.
void readSettings(const SettingsEnvironment& environment);

// Writes `settings` into ./config.conf, keeping every other section and key the file holds.
// Returns false when the file could not be written; the settings stay in memory.
bool writeSettings();
