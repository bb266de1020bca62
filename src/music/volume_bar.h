#pragma once
// Draws the volume bar beside the music bar of a photo show.

// Draws volume / 100 thin orange bars (a translucent 0.15 alpha) at the left edge of the scene,
// from the identity model-view matrix. Needs the current GL context with blending on; leaves
// the model-view matrix translated and the colour set.
void drawVolumeBar(unsigned volume);
