#pragma once
// Geometry of the volume bar beside the music bar: one thin upright bar per 100 of volume,
// each a little taller than the one before, left to right.
#include <vector>

struct VolumeBarQuad {
  float left, right, bottom, top;  // scene units, in the frame translated to (0, 0, -2.5)
};

// The bars for `volume` (0...1000): volume / 100 of them, so 500 gives five and 1000 ten.
std::vector<VolumeBarQuad> volumeBarQuads(unsigned volume);
