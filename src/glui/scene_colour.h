#pragma once
// The colour the scene is cleared to, set by the start-up and by the configuration's
// background colour; both take it from the settings record.
#include <cstdint>

// Clears to (red, green, blue) / 255 with alpha 0.5. Needs the GL context current; does nothing
// without one.
void setSceneClearColour(uint32_t red, uint32_t green, uint32_t blue);
