#pragma once
// Turning a decoded surface into the texels of one OpenGL texture: padding to powers of two,
// flipping upright for OpenGL, repacking any channel layout into R, G, B(, A) bytes and
// reducing to the texture size limit. Platform-free and free of GL, so it can run on any
// thread; the upload is separate (texture_image.h).
#include <cstdint>

#include "photos/image_surface.h"
#include "photos/texture_options.h"

// Texels of one texture, rows bottom to top, `bytesPerTexel` (3 or 4) bytes each in R, G, B, A
// order. Owns `texels`.
struct TexelImage {
  uint8_t* texels = nullptr;
  uint32_t textureWidth = 0, textureHeight = 0;
  int imageWidth = 0, imageHeight = 0;  // the picture inside the texture
  int bytesPerTexel = 0;

  TexelImage() = default;
  TexelImage(const TexelImage&) = delete;
  TexelImage& operator=(const TexelImage&) = delete;
  TexelImage(TexelImage&& other) noexcept { *this = static_cast<TexelImage&&>(other); }
  TexelImage& operator=(TexelImage&& other) noexcept;
  ~TexelImage() { clear(); }
  void clear();
};

// The padded side for a picture side: 2, doubled while below `side`.
uint32_t paddedSide(uint32_t side);

// How a padded texture is reduced to the size limit.
struct Reduction {
  bool reduce = false;  // false: the padded texture is used as it is
  uint32_t fx = 1, fy = 1;  // source texels per output texel, across and down
  uint32_t width = 0, height = 0;  // the reduced texture
};
// The largest power-of-two factor (1, 2, 4 or 8, as JPEG decoders offer) by which a picture of
// this upright size may be decoded smaller, with its sides rounded up, and still give the same
// texture under the limit `maxSize`. 1 when the limit asks for no reduction.
uint32_t decodeScale(uint32_t uprightWidth, uint32_t uprightHeight, uint32_t maxSize);

// Reduction of a textureWidth x textureHeight padded texture for the limit `maxSize`. Only the
// width is tested against the limit. A limit that is not a power of two counts as the power of
// two below it (OpenGL 1.1 takes no other texture sides), and the reduced height is at least
// one texel, however flat the picture.
Reduction planReduction(uint32_t textureWidth, uint32_t textureHeight, uint32_t maxSize);

// Fills `out` from the surface, turned upright by its orientation: the upright picture's first
// row ends up as the texture's top picture row (OpenGL counts rows upward), the padding right
// of and above it is zero, and the sizes (and the reduction) are those of the upright picture. Each channel is
// (pixel AND mask) >> (shift - loss) cut to a byte; surfaces of 4 bytes per pixel give 4-byte
// texels, all others 3-byte texels; a 4-byte surface without an alpha mask gives opaque alpha.
// When the options ask for a reduction, every reduced texel is computed straight from the
// surface, without a padded intermediate. Unpadded (options.padded false), the texture is
// just the picture: the padded texture's texels inside the picture, rows imageWidth apart.
// Returns false (and leaves `out` empty) for a surface without format or pixels, a size that
// does not fit a texture, or when memory runs out.
bool makeTexels(const ImageSurface& surface, const TextureOptions& options, TexelImage& out);
