// Picture files through the real decoder (WIC under Wine) into texels and textures: the mix
// of formats real photo folders hold, broken files, and the texture records the show draws.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>
#include <GL/gl.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "glui/gl_test_context.h"
#include "photos/image_decoder.h"
#include "photos/texture_image.h"

namespace {
std::string picture(const char* name) { return std::string("Z:" OVIX_TEST_PICTURES "/") + name; }

struct Texel {
  int r, g, b, a;
};
// The texel of picture pixel (x, y) (y counted from the top) in an unreduced texture.
Texel texelAt(const TexelImage& image, int x, int y) {
  const int row = image.imageHeight - 1 - y;
  const uint8_t* t = image.texels + (static_cast<size_t>(row) * image.textureWidth + x) * image.bytesPerTexel;
  return {t[0], t[1], t[2], image.bytesPerTexel == 4 ? t[3] : 255};
}

bool closeTo(const Texel& actual, const Texel& expected, int tolerance) {
  return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
         std::abs(actual.b - expected.b) <= tolerance && std::abs(actual.a - expected.a) <= tolerance;
}

// Centres of the pattern's quarters (see tools/make-test-pictures.sh).
const struct {
  int x, y;
} quarters[4] = {{10, 7}, {30, 7}, {10, 22}, {30, 22}};
const Texel colourQuarters[4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}};
const Texel transparentQuarters[4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {0, 0, 0, 0}};
const Texel greyQuarters[4] = {{66, 66, 66, 255}, {166, 166, 166, 255}, {24, 24, 24, 255}, {255, 255, 255, 255}};
}  // namespace

TEST(Decoder, RealWorldMixShowsTheRightColoursUpright) {
  const struct {
    const char* file;
    int bytesPerTexel;
    const Texel* expected;
    int tolerance;
  } files[] = {
      {"baseline.jpg", 3, colourQuarters, 40},   {"progressive.jpg", 3, colourQuarters, 40},
      {"grey.jpg", 3, greyQuarters, 24},         {"cmyk.jpg", 3, colourQuarters, 48},
      {"rgb.png", 3, colourQuarters, 0},         {"interlaced.png", 3, colourQuarters, 0},
      {"rgb16.png", 3, colourQuarters, 1},       {"grey.png", 3, greyQuarters, 24},
      {"rgba.png", 4, transparentQuarters, 0},   {"rgba16.png", 4, transparentQuarters, 1},
      {"palette.png", 4, transparentQuarters, 0}, {"bgr24.bmp", 3, colourQuarters, 0},
      {"palette.bmp", 3, colourQuarters, 0},
  };
  for (const auto& f : files) {
    TexelImage texels;
    if (!decodeTexels(TextureOptions{}, picture(f.file).c_str(), texels)) {
      ADD_FAILURE() << f.file << " does not decode";
      continue;
    }
    EXPECT_EQ(texels.bytesPerTexel, f.bytesPerTexel) << f.file;
    ASSERT_TRUE(texels.imageWidth == 40 && texels.imageHeight == 30 && texels.textureWidth == 64) << f.file;
    for (int q = 0; q < 4; ++q) {
      const Texel t = texelAt(texels, quarters[q].x, quarters[q].y);
      const Texel e = f.expected[q];
      // A transparent pixel's colour does not matter.
      const bool ok = e.a == 0 ? t.a == 0 : closeTo(t, e, f.tolerance);
      EXPECT_TRUE(ok) << f.file << " quarter " << q << ": " << t.r << "," << t.g << "," << t.b << ","
                      << t.a << " expected " << e.r << "," << e.g << "," << e.b << "," << e.a;
    }
  }
}

TEST(Decoder, TinyAndBrokenFiles) {
  TexelImage tiny;
  ASSERT_TRUE(decodeTexels(TextureOptions{1024, true}, picture("tiny.png").c_str(), tiny));
  EXPECT_TRUE(tiny.textureWidth == 2 && tiny.textureHeight == 2);
  EXPECT_TRUE(closeTo(texelAt(tiny, 0, 0), {255, 128, 0, 255}, 0));

  for (const char* file : {"truncated.jpg", "empty.jpg", "text.jpg", "missing.jpg"}) {
    ImageSurface* surface = loadImage(picture(file).c_str());
    EXPECT_EQ(surface, nullptr) << file;
    freeSurface(surface);
  }
  EXPECT_EQ(loadImage(""), nullptr);
  EXPECT_EQ(loadImage(nullptr), nullptr);
}

TEST(Decoder, TurnedPhotosStandUprightAndDecodeSmallerForTheirTexture) {
  // Stored 400 x 300, tagged to be turned a quarter (which way, the show's test checks).
  for (const char* file : {"turned6.jpg", "turned8.jpg"}) {
    const std::string path = picture(file);
    TexelImage upright;
    ASSERT_TRUE(decodeTexels(TextureOptions{}, path.c_str(), upright)) << file;
    EXPECT_TRUE(upright.imageWidth == 300 && upright.imageHeight == 400) << file;

    // A texture limit of 64 needs an eighth of the picture: decoded so, the texture stays the same.
    ImageSurface* whole = loadImage(path.c_str());
    ImageSurface* smaller = loadImage(path.c_str(), 64);
    ASSERT_TRUE(whole && smaller);
    EXPECT_TRUE(smaller->w == 50 && smaller->h == 38 && smaller->orientation == whole->orientation) << file;
    TexelImage fromWhole, fromSmaller;
    ASSERT_TRUE(makeTexels(*whole, TextureOptions{64, true}, fromWhole));
    ASSERT_TRUE(decodeTexels(TextureOptions{64, true}, path.c_str(), fromSmaller));
    EXPECT_TRUE(fromSmaller.textureWidth == fromWhole.textureWidth && fromSmaller.textureHeight == fromWhole.textureHeight)
        << file << ": " << fromSmaller.textureWidth << "x" << fromSmaller.textureHeight;
    freeSurface(whole);
    freeSurface(smaller);
  }
}

TEST(Decoder, PicturesAboveThePixelLimitAreRefusedBeforeDecoding) {
  // 20000 x 20000 in a 48 kB PNG; a decoder would take gigabytes and seconds for it.
  PROCESS_MEMORY_COUNTERS before = {}, after = {};
  GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
  TexelImage texels;
  EXPECT_FALSE(decodeTexels(TextureOptions{1024, true}, picture("huge.png").c_str(), texels));
  GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
  EXPECT_LT(after.PeakWorkingSetSize, before.PeakWorkingSetSize + 32 * 1024 * 1024);
}

TEST(Decoder, DecodesOnSeveralThreadsAtOnce) {
  bool ok[4] = {};
  std::thread workers[4];
  const char* files[4] = {"baseline.jpg", "rgba.png", "palette.png", "cmyk.jpg"};
  for (int i = 0; i < 4; ++i)
    workers[i] = std::thread([&, i] {
      for (int round = 0; round < 5; ++round) {
        TexelImage texels;
        ok[i] = decodeTexels(TextureOptions{16, true}, picture(files[i]).c_str(), texels) &&
                texels.textureWidth == 16;
        if (!ok[i]) return;
      }
    });
  for (auto& worker : workers) worker.join();
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(ok[i]) << files[i];
}

TEST(TextureImage, UploadsRecordsAndReleases) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());

  TextureImage* photo = loadPhotoTexture(TextureOptions{}, picture("palette.bmp").c_str(), kindBmp);
  ASSERT_NE(photo, nullptr);
  EXPECT_TRUE(glIsList(photo->frameList) && glIsList(photo->thumbList));

  // The uploaded texels: a palette picture is visible (not zero alpha texels), upright.
  glBindTexture(GL_TEXTURE_2D, photo->texture);
  static uint8_t rgba[64 * 32 * 4];
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  const uint8_t* topLeft = rgba + ((29 - 7) * 64 + 10) * 4;
  EXPECT_TRUE(topLeft[0] == 255 && topLeft[2] == 0 && topLeft[3] == 255)
      << int(topLeft[0]) << "," << int(topLeft[2]) << "," << int(topLeft[3]);

  const GLuint texture = photo->texture, frameList = photo->frameList;
  releaseTextureImage(photo);
  EXPECT_FALSE(glIsTexture(texture));
  EXPECT_FALSE(glIsList(frameList));

  // Reduced through the real decoder: 40 x 30 pads to 64 x 32; a limit of 16 gives fx = fy = 4.
  TextureImage* reduced = loadPhotoTexture(TextureOptions{16, true}, picture("rgba.png").c_str(), kindPng);
  ASSERT_NE(reduced, nullptr);
  EXPECT_TRUE(reduced->textureWidth == 16 && reduced->textureHeight == 8 && reduced->imageWidth == 10 &&
              reduced->imageHeight == 7);
  glBindTexture(GL_TEXTURE_2D, reduced->texture);
  GLint alphaBits = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &alphaBits);
  EXPECT_GT(alphaBits, 0);  // 4-byte texels upload with alpha
  releaseTextureImage(reduced);

  // Scene pictures: the texture alone, its lists already gone.
  const GLuint scene = loadTexture(picture("rgb.png").c_str(), kindPng);
  EXPECT_TRUE(glIsTexture(scene));
  glDeleteTextures(1, &scene);

  // Kinds that never load, and broken files, give nothing and leave no texture behind.
  EXPECT_EQ(loadTexture(picture("baseline.jpg").c_str(), kindGif), 0u);
  EXPECT_EQ(loadTexture(picture("bgr24.bmp").c_str(), kindBmp), 0u);
  EXPECT_EQ(loadPhotoTexture(TextureOptions{}, picture("gif.gif").c_str(), kindGif), nullptr);
  EXPECT_EQ(loadPhotoTexture(TextureOptions{}, picture("rgb.png").c_str(), kindTga), nullptr);
  EXPECT_EQ(loadPhotoTexture(TextureOptions{}, picture("truncated.jpg").c_str(), kindJpg), nullptr);
  EXPECT_EQ(loadTexture(picture("text.jpg").c_str(), kindJpg), 0u);
}
