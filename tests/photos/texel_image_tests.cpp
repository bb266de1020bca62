// Repacking surfaces into texels: the fast path against the plain padded-buffer algorithm,
// and the layouts and sizes the photo show depends on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <random>
#include <vector>

#include "photos/texel_image.h"

namespace {
using SurfacePtr = std::unique_ptr<ImageSurface, void (*)(ImageSurface*)>;
using Sizes = std::array<int, 5>;  // texture width and height, picture width and height, bytes per texel

// The stored pixel that stands at (x, y) of the upright picture, y from its top, as EXIF
// defines the eight turns: transposed first where the orientation says so, then mirrored across
// and down (stored 1 2 3 / 4 5 6 stands as 4 1 / 5 2 / 6 3 for orientation 6, as 3 6 / 2 5 / 1 4
// for 8). Any other orientation stands as stored.
const uint8_t* uprightPixel(const ImageSurface& s, int x, int y) {
  static const bool turns[9][3] = {{}, {0, 0, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1},
                                   {1, 0, 0}, {1, 0, 1}, {1, 1, 1}, {1, 1, 0}};
  const bool* turn = turns[s.orientation >= 1 && s.orientation <= 8 ? s.orientation : 0];
  const int u = turn[0] ? y : x, v = turn[0] ? x : y;
  const int sx = turn[1] ? s.w - 1 - u : u, sy = turn[2] ? s.h - 1 - v : v;
  return static_cast<const uint8_t*>(s.pixels) + sy * s.pitch + sx * s.format->bytesPerPixel;
}

// The repacking done the plain way, as a yardstick for makeTexels: the whole padded upright
// picture materialised, then reduced by flat texel indices. Slow and memory-hungry on purpose.
std::vector<uint8_t> referenceTexels(const ImageSurface& surface, uint32_t maxSize, bool smoothing, Sizes& sizes) {
  const PixelFormat& f = *surface.format;
  const int out = f.bytesPerPixel == 4 ? 4 : 3;
  const bool transposed = surface.orientation >= 5 && surface.orientation <= 8;
  const int w = transposed ? surface.h : surface.w, h = transposed ? surface.w : surface.h;
  uint32_t tw = 2, th = 2;
  while (tw < static_cast<uint32_t>(w)) tw *= 2;
  while (th < static_cast<uint32_t>(h)) th *= 2;
  std::vector<uint8_t> padded(static_cast<size_t>(tw) * th * out, 0);
  const uint32_t masks[4] = {f.rMask, f.gMask, f.bMask, f.aMask};
  const int shifts[4] = {f.rShift - f.rLoss, f.gShift - f.gLoss, f.bShift - f.bLoss, f.aShift - f.aLoss};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* pixel = uprightPixel(surface, x, y);
      uint32_t value = 0;
      for (int k = 0; k < f.bytesPerPixel; ++k) value |= static_cast<uint32_t>(pixel[k]) << (8 * k);
      uint8_t* texel = &padded[((static_cast<size_t>(h) - 1 - y) * tw + x) * out];  // rows bottom up
      for (int c = 0; c < out; ++c) {
        const uint32_t bits = value & masks[c];
        texel[c] = masks[c] == 0 ? (c == 3 ? 255 : 0) : static_cast<uint8_t>(shifts[c] >= 0 ? bits >> shifts[c] : bits << -shifts[c]);
      }
    }
  // The limit's power of two at or below it, held against the width only.
  uint32_t limit = tw;
  if (maxSize) {
    limit = 1;
    while (limit * 2 <= maxSize) limit *= 2;
  }
  const uint32_t fx = tw / std::min(limit, tw), height = std::max(1u, th / fx), fy = th / height;
  sizes = {static_cast<int>(tw / fx), static_cast<int>(height), std::max(1, static_cast<int>(static_cast<double>(w) / fx)),
           std::max(1, static_cast<int>(static_cast<double>(h) / fy)), out};
  std::vector<uint8_t> texels(static_cast<size_t>(tw / fx) * height * out);
  for (uint32_t r = 0; r < height; ++r)
    for (uint32_t x = 0; x < tw / fx; ++x)
      for (int c = 0; c < out; ++c) {
        const size_t i = (static_cast<size_t>(r) * fy * tw + static_cast<size_t>(x) * fx) * out + c;
        int value = padded[i];
        if (smoothing && fx > 1)
          value = static_cast<int>(0.25f * static_cast<float>(padded[i] + padded[i + out] + padded[i + tw * out] +
                                                              padded[i + (tw + 1) * out]));
        texels[(static_cast<size_t>(r) * (tw / fx) + x) * out + c] = static_cast<uint8_t>(value);
      }
  return texels;
}

struct Layout { int bpp; uint32_t r, g, b, a; };
const Layout noiseLayouts[] = {
    {3, 0xFF0000, 0xFF00, 0xFF, 0},            // 24-bit BGR, as JPEGs decode
    {4, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u},  // 32-bit BGRA
    {4, 0xFF0000, 0xFF00, 0xFF, 0},            // 32-bit BGR without alpha
    {2, 0xF800, 0x07E0, 0x001F, 0},            // 16-bit 565, through the generic channel path
    {1, 0xE0, 0x1C, 0x03, 0},                  // 8-bit 332
    // Masks one byte wide that still need the generic path, and an absent colour channel.
    {2, 0x1FE, 0, 0, 0},
    {2, 0x7F80, 0, 0, 0},
    {4, 0x3FF00000, 0xFFC00, 0, 0},
};

// A surface filled with noise in the given layout.
SurfacePtr noiseSurface(int w, int h, const Layout& layout, unsigned seed) {
  SurfacePtr surface(createSurface(w, h, layout.bpp, layout.r, layout.g, layout.b, layout.a), freeSurface);
  std::mt19937 random(seed);
  auto* bytes = static_cast<uint8_t*>(surface->pixels);
  for (size_t i = 0; i < static_cast<size_t>(surface->pitch) * h; ++i) bytes[i] = static_cast<uint8_t>(random());
  return surface;
}

// makeTexels on `surface` against the plain algorithm.
::testing::AssertionResult sameTexels(const ImageSurface& surface, uint32_t maxSize, bool smoothing) {
  Sizes sizes;
  const std::vector<uint8_t> expected = referenceTexels(surface, maxSize, smoothing, sizes);
  TexelImage actual;
  if (!makeTexels(surface, TextureOptions{maxSize, smoothing}, actual))
    return ::testing::AssertionFailure() << "makeTexels failed";
  if (sizes != Sizes{int(actual.textureWidth), int(actual.textureHeight), actual.imageWidth, actual.imageHeight,
                     actual.bytesPerTexel})
    return ::testing::AssertionFailure() << "other sizes";
  const auto differ = std::mismatch(expected.begin(), expected.end(), actual.texels).first;
  if (differ != expected.end()) return ::testing::AssertionFailure() << "texel byte " << differ - expected.begin() << " differs";
  return ::testing::AssertionSuccess();
}
}  // namespace

TEST(TexelImage, MatchesThePaddedBufferAlgorithmInEveryLayoutAndTurn) {
  const struct { int w, h; } sizes[] = {
      {1, 1}, {3, 3}, {2, 2}, {5, 7}, {17, 9}, {129, 64}, {257, 3}, {300, 200}, {1025, 10},
      {2000, 3}, {4100, 1}, {3, 700}, {1, 1500},
  };
  const uint32_t limits[] = {0, 1, 2, 16, 64, 100, 256, 1024};
  unsigned seed = 1;
  for (const auto& size : sizes)
    for (const Layout& layout : noiseLayouts) {
      SurfacePtr surface = noiseSurface(size.w, size.h, layout, seed);
      surface->orientation = static_cast<int>(seed++ % 10);  // every turn, and 0 and 9: no valid tag
      for (uint32_t limit : limits)
        for (bool smoothing : {false, true})
          EXPECT_TRUE(sameTexels(*surface, limit, smoothing))
              << size.w << "x" << size.h << " bpp " << layout.bpp << " orientation " << surface->orientation
              << " maxSize " << limit << (smoothing ? " smoothed" : " picked");
    }
}

// Each case spoils one field of a 4 x 4 BGR surface whose rows are exactly 12 bytes long. Under
// a size limit of 2 a surface let through is read far beyond its pixels.
TEST(TexelImage, RefusesWhatIsNoPicture) {
  using Spoil = void (*)(ImageSurface&, PixelFormat&);
  const Spoil spoilt[] = {
      [](ImageSurface& s, PixelFormat&) { s.format = nullptr; },
      [](ImageSurface& s, PixelFormat&) { s.pixels = nullptr; },
      [](ImageSurface& s, PixelFormat&) { s.w = 0; },
      [](ImageSurface& s, PixelFormat&) { s.h = 0; },
      [](ImageSurface& s, PixelFormat&) { s.pitch = 11; },  // shorter than a row
      [](ImageSurface&, PixelFormat& f) { f.bytesPerPixel = 0; },
      [](ImageSurface& s, PixelFormat& f) { f.bytesPerPixel = 5, s.pitch = 20, s.h = 2; },
      [](ImageSurface& s, PixelFormat& f) { f.bytesPerPixel = 1, s.w = (1 << 30) + 1, s.pitch = INT32_MAX; },
      [](ImageSurface& s, PixelFormat&) { s.w = 2048, s.pitch = 6144, s.h = (1 << 30) + 1; },
  };
  for (const Spoil& spoil : spoilt) {
    SurfacePtr surface(createSurface(4, 4, 3, 0xFF0000, 0xFF00, 0xFF, 0), freeSurface);
    ImageSurface copy = *surface;
    PixelFormat format = *surface->format;
    copy.format = &format;
    spoil(copy, format);
    TexelImage texels;
    EXPECT_FALSE(makeTexels(copy, TextureOptions{2, false}, texels)) << &spoil - spoilt;
    EXPECT_EQ(texels.texels, nullptr);
  }
}

// The sizes of the usual cases, and the largest decode scale that keeps the texture: the
// picture decoded smaller, its sides rounded up, pads and reduces to the same texture.
TEST(TexelImage, SizesAndTheDecodeScaleThatKeepsThem) {
  // Sizes: texture width and height, picture width and height; left out where only the scale counts.
  const struct { uint32_t w, h, maxSize, scale; std::array<int, 4> sizes; } cases[] = {
      {3000, 2000, 1024, 4, {1024, 512, 750, 500}},
      {1000, 3000, 1024, 1, {1024, 4096, 1000, 3000}},  // only the width is held against the limit
      {2048, 10, 1000, 4, {512, 4, 512, 2}},            // a limit of 1000 counts as 512
      {9000, 1, 1024, 1, {1024, 1, 562, 1}},            // a single row keeps one row, never none
      {6000, 4000, 1024, 8, {}}, {4000, 6000, 1024, 4, {}}, {1100, 800, 1024, 2, {}}, {1024, 768, 1024, 1, {}},
      {6000, 4000, 0, 1, {}},    {8000, 3, 1024, 2, {}},    {2049, 2049, 1000, 8, {}}, {6000, 4000, 16, 8, {}},
  };
  for (const auto& c : cases) {
    const uint32_t scale = decodeScale(c.w, c.h, c.maxSize);
    EXPECT_EQ(scale, c.scale) << c.w << "x" << c.h << " limit " << c.maxSize;
    const Reduction full = planReduction(paddedSide(c.w), paddedSide(c.h), c.maxSize);
    const Reduction smaller = planReduction(paddedSide((c.w + scale - 1) / scale), paddedSide((c.h + scale - 1) / scale), c.maxSize);
    EXPECT_TRUE(full.width == smaller.width && full.height == smaller.height) << c.w << "x" << c.h;
    if (c.sizes[0] == 0) continue;
    SurfacePtr surface(createSurface(int(c.w), int(c.h), 3, 0xFF0000, 0xFF00, 0xFF, 0), freeSurface);
    TexelImage t;
    ASSERT_TRUE(makeTexels(*surface, TextureOptions{c.maxSize, true}, t));
    EXPECT_EQ((std::array<int, 4>{int(t.textureWidth), int(t.textureHeight), t.imageWidth, t.imageHeight}), c.sizes)
        << c.w << "x" << c.h;
  }
}
