#include "music/volume_bar_shape.h"

std::vector<VolumeBarQuad> volumeBarQuads(unsigned volume) {
  std::vector<VolumeBarQuad> quads;
  const unsigned count = volume / 100;
  quads.reserve(count);
  for (unsigned i = 0; i < count; ++i) {
    const float shift = 0.0082f * static_cast<float>(i);
    quads.push_back(
        {-0.732f + shift, -0.728f + shift, -0.332f, -0.33f + 0.005f * static_cast<float>(i)});
  }
  return quads;
}
