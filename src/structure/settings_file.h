#pragma once
// Reading and writing config.conf in the current directory.
#include "structure/settings.h"

// Fills `settings` from ./config.conf, completing missing keys with their defaults, and
// writes the completed file back at once. A missing or unreadable file gives the defaults.
// Numbers that would hurt (a colour beyond 0-255, an opacity beyond 0-100, a slide interval
// under 100 ticks, a colour depth other than 16, 24 or 32, a cache level outside whole groups
// of 4 to 60, a texture size that is no power of two from 64 on) are repaired, in the record
// and in the file; values in their ranges stay exactly as written.
void readSettings(const SettingsEnvironment& environment);

// Writes `settings` into ./config.conf, keeping every other section and key the file holds.
// Returns false when the file could not be written; the settings stay in memory.
bool writeSettings();

// The texture size to use with a driver whose largest texture side is `driverMaximum` on a
// monitor whose longer side is `screenSide` physical pixels: the setting when it is a power of
// two from 64 up to that maximum, otherwise (0, not chosen yet, included) the smallest power
// of two covering the screen's side, at least 1024 and at most half the driver's maximum.
int32_t settledTextureSize(int32_t textureSize, int32_t driverMaximum, int32_t screenSide);
