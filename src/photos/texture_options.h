#pragma once
// How the pictures of one photo show are turned into textures.
#include <cstdint>

struct TextureOptions {
  // Texture size limit in texels (the "texture_size" setting); 0 means no reduction.
  uint32_t maxSize = 0;
  // When reducing, average 2 x 2 source texels instead of picking one.
  bool smoothing = false;
  // Textures are padded to power-of-two sides, as OpenGL before 2.0 needs unless it has
  // GL_ARB_texture_non_power_of_two; false uploads the picture alone at its (reduced) size.
  bool padded = true;
};

// True when a driver of this GL_VERSION and GL_EXTENSIONS text takes textures of any side:
// version 2.0 or later, or the extension GL_ARB_texture_non_power_of_two. None counts as empty.
bool driverTakesAnySide(const char* version, const char* extensions);
