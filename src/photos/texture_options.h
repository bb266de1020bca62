#pragma once
// How the pictures of one photo show are turned into textures.
#include <cstdint>

struct TextureOptions {
  // Texture size limit in texels (the "texture_size" setting); 0 means no reduction.
  uint32_t maxSize = 0;
  // When reducing, average 2 x 2 source texels instead of picking one.
  bool smoothing = false;
};
