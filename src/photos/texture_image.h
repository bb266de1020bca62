#pragma once
// Picture files to OpenGL textures with their display lists.
//
// Loading runs in two halves so that decoding can move to worker threads: decodeTexels (file
// to texels; any thread, no GL) and uploadTexels (texels to texture and lists; the thread whose
// GL context is current). loadSurfaceTexture does both on the calling thread.
#include <cstdint>

#include "photos/texel_image.h"
#include "photos/texture_options.h"
#include "photos/textured_square.h"

// One loaded picture. Owned by whoever asked for it; release with releaseTextureImage.
struct TextureImage {
  uint32_t texture = 0;        // OpenGL texture name
  uint32_t textureWidth = 0;   // texels across the uploaded texture
  int32_t imageWidth = 0;      // texels across the picture inside it
  uint32_t textureHeight = 0;
  int32_t imageHeight = 0;
  uint32_t frameList = 0;  // the picture as a textured quad, 2 units high, plus its outline
  uint32_t thumbList = 0;  // the picture as a small film-strip quad plus its outline
  const char* name = nullptr;  // display name, set and owned by the photo loader
  int64_t entry = -1;          // the entry of the folder's list it shows, set by the photo loader
};

// Where a thumbnail stands on the film strip (its first place), textured up to (s, t).
inline TexturedSquare thumbnailSquare(float s, float t) {
  return {-0.5f, -0.516f, -0.37f, -0.428f, 1.0f, s, t};
}

// Reads the picture at `path` and turns it into texels within the options' size limit.
// False (and `out` empty) when the file cannot be read or memory runs out.
bool decodeTexels(const TextureOptions& options, const char* path, TexelImage& out);

// Uploads texels as a texture and compiles its two display lists. Needs a current GL context;
// returns none (and leaves no GL object behind) when the texture cannot be made.
TextureImage* uploadTexels(const TexelImage& texels);

// The picture file at `path` as a texture with its lists, or none when it cannot be read.
TextureImage* loadSurfaceTexture(const TextureOptions& options, const char* path);

// A scene picture at its full size: the texture name alone (its lists are released), or 0
// when the file cannot be read.
uint32_t loadTexture(const char* path);

// driverTakesAnySide for the current GL context; false without one.
bool currentDriverTakesAnySide();

// Deletes the picture's lists and texture and frees the record; none is ignored.
void releaseTextureImage(TextureImage* image);
