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

#include "benchmarks/support/benchmark_pictures.h"
#include "glui/gl_test_context.h"
#include "photos/photo_cache.h"
#include "dialogs/progress_thread.h"
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

// The folder of generated photos, made on the first run.
bool preparePhotos(const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < photoCount; ++i) {
    const std::string path = folder + "\\photo" + std::to_string(i + 1) + ".jpg";
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
    std::printf("generating %s\n", path.c_str());
    const std::wstring wide(path.begin(), path.end());
    if (!writeBenchmarkPicture(wide.c_str(), GUID_ContainerFormatJpeg, photoWidth, photoHeight, i)) {
      DeleteFileA(path.c_str());
      return false;
    }
  }
  return true;
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

  LoadingReporter quiet;
  auto start = Clock::now();
  PhotoCache cache(folder, photoCount, textureSize, true, quiet, false);
  const std::size_t loaded = cache.loaded();  // the scan and the whole fill
  const double creation = secondsSince(start);
  if (loaded != photoCount) std::printf("only %zu photos loaded\n", loaded);

  // The same window again, as a reload does it: the show steps past the window's last group
  // and the film strip reads the next one. The fill alone, without the folder scan.
  double fillBest = 1e9;
  for (int round = 0; round < 3; ++round) {
    for (uint32_t group = 0; group < cache.window.capacity() / 4; ++group) cache.step(Direction::forward);
    start = Clock::now();
    cache.thumbnailAt(0);
    cache.window.finishFill();
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
