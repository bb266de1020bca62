// How fast the photo cache fills a window: 8 generated 6000 x 4000 JPEGs, texture_size 1024.
// Prints the fill's total time, the sum of the same files' decode times on one thread, and
// their ratio (the parallel fill aims at 0.65 or less on two processors).
//
//   bash scripts/build win && (cd build/win/benchmarks/cache &&
//     ../../../../scripts/wine-run --root ../../wine ./cache_benchmark.exe)
//
// The pictures are generated once into the folder "cache-photos" beside the benchmark.
#include <windows.h>
#include <wincodec.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "glui/gl_test_context.h"
#include "photos/photo_cache.h"
#include "photos/progress_thread.h"
#include "photos/texture_image.h"
#include "structure/settings.h"

namespace {
using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

constexpr UINT photoWidth = 6000, photoHeight = 4000;
constexpr int photoCount = 8;
constexpr uint32_t textureSize = 1024;

// A photo-like picture: colour gradients with fine grain, different for each `seed`.
std::vector<BYTE> makePicture(int seed) {
  std::vector<BYTE> pixels(static_cast<size_t>(photoWidth) * photoHeight * 3);
  uint32_t noise = 12345u + static_cast<uint32_t>(seed) * 7919u;
  const double phase = seed * 0.7;
  for (UINT y = 0; y < photoHeight; ++y) {
    BYTE* row = &pixels[static_cast<size_t>(y) * photoWidth * 3];
    for (UINT x = 0; x < photoWidth; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const int grain = static_cast<int>((noise >> 24) & 15) - 8;
      const double u = static_cast<double>(x) / photoWidth, v = static_cast<double>(y) / photoHeight;
      const int b = static_cast<int>(120 + 100 * std::sin(u * 7.0 + v * 3.0 + phase)) + grain;
      const int g = static_cast<int>(110 + 90 * std::cos(v * 5.0 - u * 2.0 + phase)) + grain;
      const int r = static_cast<int>(128 + 110 * std::sin((u + v) * 4.0 - phase)) + grain;
      row[x * 3 + 0] = static_cast<BYTE>(b < 0 ? 0 : b > 255 ? 255 : b);
      row[x * 3 + 1] = static_cast<BYTE>(g < 0 ? 0 : g > 255 ? 255 : g);
      row[x * 3 + 2] = static_cast<BYTE>(r < 0 ? 0 : r > 255 ? 255 : r);
    }
  }
  return pixels;
}

bool writeJpeg(IWICImagingFactory* factory, const std::wstring& path, int seed) {
  const std::vector<BYTE> pixels = makePicture(seed);
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  IPropertyBag2* options = nullptr;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  const bool ok = SUCCEEDED(factory->CreateStream(&stream)) &&
                  SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
                  SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, &encoder)) &&
                  SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
                  SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) && SUCCEEDED(frame->Initialize(options)) &&
                  SUCCEEDED(frame->SetSize(photoWidth, photoHeight)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
                  IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
                  SUCCEEDED(frame->WritePixels(photoHeight, photoWidth * 3, static_cast<UINT>(pixels.size()),
                                               const_cast<BYTE*>(pixels.data()))) &&
                  SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  if (options) options->Release();
  if (frame) frame->Release();
  if (encoder) encoder->Release();
  if (stream) stream->Release();
  return ok;
}

// The folder of generated photos, made on the first run.
bool preparePhotos(const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  IWICImagingFactory* factory = nullptr;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(&factory))))
    return false;
  bool ok = true;
  for (int i = 0; i < photoCount && ok; ++i) {
    const std::string path = folder + "\\photo" + std::to_string(i + 1) + ".jpg";
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
    std::printf("generating %s\n", path.c_str());
    ok = writeJpeg(factory, std::wstring(path.begin(), path.end()), i);
    if (!ok) DeleteFileA(path.c_str());
  }
  factory->Release();
  return ok;
}
}  // namespace

int main() {
  char here[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, here);
  const std::string folder = std::string(here) + "\\cache-photos";
  if (!preparePhotos(folder)) {
    std::printf("could not generate the photos\n");
    return 1;
  }
  // The progress window reads its texts and picture from the program folder.
  SetCurrentDirectoryA("Z:" OVIX_STAGE_DIR);
  GlTestContext gl;
  if (!gl.ready()) {
    std::printf("no GL context\n");
    return 1;
  }
  std::printf("%u processors\n", std::thread::hardware_concurrency());

  // Warm the file cache and the codec once, outside every measurement.
  {
    TexelImage texels;
    decodeTexels(TextureOptions{textureSize, true}, (folder + "\\photo1.jpg").c_str(), texels);
  }

  // Each file's best of three decodes, like the fill's best of three below, so that a busy
  // machine disturbs both figures alike.
  double decodeSum = 0.0;
  for (int i = 0; i < photoCount; ++i) {
    const std::string path = folder + "\\photo" + std::to_string(i + 1) + ".jpg";
    double best = 1e9;
    bool decoded = true;
    for (int round = 0; round < 3; ++round) {
      TexelImage texels;
      const auto start = Clock::now();
      decoded = decodeTexels(TextureOptions{textureSize, true}, path.c_str(), texels) && decoded;
      best = std::min(best, secondsSince(start));
    }
    decodeSum += best;
    std::printf("decode photo%d.jpg: %.3f s%s\n", i + 1, best, decoded ? "" : " (failed)");
  }

  char path[MAX_PATH] = {};
  std::strcpy(path, folder.c_str());
  auto start = Clock::now();
  PhotoCache cache(path, photoCount, textureSize, true);
  const double creation = secondsSince(start);
  if (cache.loaded() != photoCount) std::printf("only %zu photos loaded\n", cache.loaded());

  // The same window again, as a reload does it: the fill alone, without the folder scan.
  double fillBest = 1e9;
  for (int round = 0; round < 3; ++round) {
    cache.releaseAll();
    start = Clock::now();
    cache.fill(cache.window.capacity, true);
    glFinish();
    fillBest = std::min(fillBest, secondsSince(start));
  }

  start = Clock::now();
  { ProgressThread progress(8); }
  const double progressWindow = secondsSince(start);

  std::printf("sum of single-threaded decodes (best of 3 each): %.3f s\n", decodeSum);
  std::printf("a progress window's thread, started and ended: %.3f s\n", progressWindow);
  std::printf("cache creation (scan, memory check, fill): %.3f s, ratio %.3f\n", creation, creation / decodeSum);
  std::printf("fill of %d photos, best of 3: %.3f s, ratio %.3f (target 0.65 or less)\n", photoCount, fillBest,
              fillBest / decodeSum);
  return 0;
}
