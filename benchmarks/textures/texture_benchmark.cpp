// How long a large photo takes from file to texture, and how much memory the repacking needs
// beyond the decoded picture. Generates its own pictures (a 6000 x 4000 JPEG and a 4000 x 3000
// PNG) in the temporary folder, then prints for each: decode, repack + reduce (texture size
// 1024, with and without smoothing), upload, and the peak memory of the repacking. For
// comparison it also runs the plain algorithm that pads the whole picture first. Then the
// repacking of each EXIF orientation against orientation 1, and the decode at the reduced
// scale a texture size of 1024 allows.
//
//   bash scripts/build win && (cd build/win/benchmarks/textures &&
//     ../../../../scripts/wine-run --root ../../wine ./texture_benchmark.exe)
#include <windows.h>
#include <psapi.h>
#include <wincodec.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "benchmarks/support/benchmark_pictures.h"
#include "glui/gl_test_context.h"
#include "photos/image_decoder.h"
#include "photos/texture_image.h"
#include "photos/texel_reference.h"

namespace {
using Clock = std::chrono::steady_clock;
double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

size_t workingSet() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

// Runs `work` while a second thread samples the working set; returns the peak growth in bytes
// over the working set before it started.
template <typename Work>
size_t peakGrowth(Work work) {
  const size_t before = workingSet();
  std::atomic<bool> done{false};
  std::atomic<size_t> peak{before};
  std::thread sampler([&] {
    while (!done) {
      const size_t now = workingSet();
      if (now > peak) peak = now;
      std::this_thread::yield();
    }
  });
  work();
  const size_t after = workingSet();
  if (after > peak) peak = after;
  done = true;
  sampler.join();
  return peak - before;
}

double mebibytes(size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

void measure(const char* label, const std::string& path) {
  std::printf("\n%s\n", label);
  auto start = Clock::now();
  ImageSurface* surface = loadImage(path.c_str());
  const double decode = millisecondsSince(start);
  if (!surface) {
    std::printf("  cannot decode %s\n", path.c_str());
    return;
  }
  std::printf("  decode                      %8.1f ms  (%d x %d, %d bytes per pixel, surface %.1f MiB)\n",
              decode, surface->w, surface->h, surface->format->bytesPerPixel,
              mebibytes(static_cast<size_t>(surface->pitch) * surface->h));

  for (bool smoothing : {true, false}) {
    TexelImage texels;
    double repack = 0;
    const size_t growth = peakGrowth([&] {
      const auto begin = Clock::now();
      makeTexels(*surface, TextureOptions{1024, smoothing}, texels);
      repack = millisecondsSince(begin);
    });
    std::printf("  repack + reduce (%s)   %8.1f ms  (%.1f %% of decode), peak memory +%.1f MiB, texture %u x %u\n",
                smoothing ? "smooth" : "picked", repack, 100.0 * repack / decode, mebibytes(growth),
                texels.textureWidth, texels.textureHeight);
    if (smoothing) {
      GlTestContext gl;
      if (gl.ready()) {
        const auto begin = Clock::now();
        TextureImage* image = uploadTexels(texels);
        glFinish();
        std::printf("  upload                      %8.1f ms\n", millisecondsSince(begin));
        releaseTextureImage(image);
      } else {
        std::printf("  upload                      no GL context\n");
      }
    }
  }

  // Photos turned upright by their EXIF orientation, against orientation 1 (best of three);
  // a quarter turn changes the texture's size, so the time per texel is compared too.
  for (uint32_t maxSize : {1024u, 0u}) {
    double asStored = 0, asStoredPerTexel = 0;
    for (int orientation = 1; orientation <= 8; ++orientation) {
      surface->orientation = orientation;
      double best = 1e30;
      uint64_t texelCount = 1;
      for (int round = 0; round < 3; ++round) {
        TexelImage texels;
        const auto begin = Clock::now();
        makeTexels(*surface, TextureOptions{maxSize, true}, texels);
        best = std::min(best, millisecondsSince(begin));
        texelCount = uint64_t{texels.textureWidth} * texels.textureHeight;
      }
      const double perTexel = best / static_cast<double>(texelCount);
      if (orientation == 1) asStored = best, asStoredPerTexel = perTexel;
      std::printf("  orientation %d, texture_size %-4u %8.1f ms  (%.2f x orientation 1, %.2f x per texel, "
                  "%.1f %% of decode)\n",
                  orientation, maxSize, best, best / asStored, perTexel / asStoredPerTexel, 100.0 * best / decode);
    }
  }
  surface->orientation = 1;
  {
    const auto begin = Clock::now();
    ImageSurface* smaller = loadImage(path.c_str(), 1024);
    std::printf("  decode for texture_size 1024 %7.1f ms  (%d x %d)\n", millisecondsSince(begin),
                smaller ? smaller->w : 0, smaller ? smaller->h : 0);
    freeSurface(smaller);
  }

  double plain = 0;
  const size_t plainGrowth = peakGrowth([&] {
    const auto begin = Clock::now();
    const ReferenceTexels reference = referenceTexels(*surface, 1024, true);
    plain = millisecondsSince(begin);
  });
  std::printf("  plain padded algorithm      %8.1f ms  (%.1f %% of decode), peak memory +%.1f MiB\n", plain,
              100.0 * plain / decode, mebibytes(plainGrowth));
  freeSurface(surface);
}
}  // namespace

int main() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring jpeg = std::wstring(temp) + L"ovix-benchmark-6000x4000.jpg";
  const std::wstring png = std::wstring(temp) + L"ovix-benchmark-4000x3000.png";
  std::printf("generating pictures...\n");
  if (!writeBenchmarkPicture(jpeg.c_str(), GUID_ContainerFormatJpeg, 6000, 4000) ||
      !writeBenchmarkPicture(png.c_str(), GUID_ContainerFormatPng, 4000, 3000)) {
    std::printf("cannot write the pictures\n");
    return 1;
  }
  char path[MAX_PATH];
  WideCharToMultiByte(CP_ACP, 0, jpeg.c_str(), -1, path, MAX_PATH, nullptr, nullptr);
  measure("6000 x 4000 JPEG, texture_size 1024", path);
  WideCharToMultiByte(CP_ACP, 0, png.c_str(), -1, path, MAX_PATH, nullptr, nullptr);
  measure("4000 x 3000 PNG, texture_size 1024", path);
  DeleteFileW(jpeg.c_str());
  DeleteFileW(png.c_str());
  return 0;
}
