// Memory and first photo of a show with the default settings (full screen, cache level 8,
// smoothing, texture size not chosen) over ten 8000 x 6000 JPEGs, as today's phones take them,
// under whatever OpenGL the system has (llvmpipe under Wine):
//  - peak private memory from creating the show through a 30 s slideshow at a 1-second
//    interval, sampled every frame;
//  - first photo: from creating a show to the first frame that draws a photo (best of three).
// The texture size is the one Ovix settles on for the screen the window is on; with --before
// it is the former rule's (half the driver's largest texture, padded to powers of two), for
// comparison. Target: a peak of 0.8 GB or less on a 1024 x 768 screen, first photo no slower.
// The photos are generated once in the temporary folder ("ovix-default-show-benchmark").
//
//   bash scripts/build win && (cd build/win/benchmarks/show &&
//     ../../../../scripts/wine-run --root ../../wine ./default_show_benchmark.exe [--before])
// For another screen, run it under `Xvfb :N -screen 0 3840x2160x24` with DISPLAY=:N.
#include <windows.h>
#include <GL/gl.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "benchmarks/support/benchmark_pictures.h"
#include "benchmarks/support/show_frames.h"
#include "glui/gl_test_context.h"
#include "photos/photo_cache.h"
#include "photos/photo_show.h"
#include "platform/display_scale.h"
#include "sources/loading_reporter.h"
#include "structure/settings_file.h"

namespace {
// A folder of ten generated 8000 x 6000 photos, made on the first run.
std::string photoFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "ovix-default-show-benchmark";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 1; i <= 10; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "\\photo%02d.jpg", i);
    const std::string path = folder + name;
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
    std::printf("generating %s (8000 x 6000) ...\n", path.c_str());
    const std::wstring wide(path.begin(), path.end());
    if (!writeBenchmarkPicture(wide.c_str(), GUID_ContainerFormatJpeg, 8000, 6000, i)) return std::string();
  }
  return folder;
}
}  // namespace

int main(int argc, char** argv) {
  const bool before = argc > 1 && std::strcmp(argv[1], "--before") == 0;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  GlTestContext context(width, height, true);
  if (!context.ready()) {
    std::printf("no OpenGL context\n");
    return 1;
  }
  prepareShowScene(context, width, height);
  GLint maximum = 2048;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maximum);
  const int32_t textureSize = before ? maximum / 2 : settledTextureSize(0, maximum, monitorLongerSide(context.window));
  std::printf("renderer: %s, largest texture %d, screen %d x %d, texture size %d%s\n",
              reinterpret_cast<const char*>(glGetString(GL_RENDERER)), maximum, width, height, textureSize,
              before ? " padded (the former rule)" : currentDriverTakesAnySide() ? " unpadded" : " padded");

  const std::string folder = photoFolder();
  if (folder.empty()) {
    std::printf("cannot write the photos\n");
    return 1;
  }
  LoadingReporter quiet;
  const ShowParams params = benchmarkShowParams(folder, static_cast<uint32_t>(textureSize), context.window, &quiet);

  // Three shows, one after the other; the first runs the slideshow, so that its peak holds
  // no decodes left running by a show before it.
  double firstPhoto = 1e9;
  for (int run = 0; run < 3; ++run) {
    const BenchmarkClock::time_point start = BenchmarkClock::now();
    PhotoShow* show = new PhotoShow(params);
    if (before) show->cache->options.padded = true;  // the folder opens on a later frame
    uint64_t peakPrivate = privateBytes();
    runShowFrames(context, *show, [&] {
      peakPrivate = std::max(peakPrivate, privateBytes());
      return show->largePhoto != nullptr || millisecondsSince(start) > 120000;
    });
    glFinish();
    firstPhoto = std::min(firstPhoto, millisecondsSince(start));
    if (run == 0) {
      const int steps = runSlideshow(context, *show, 30, [&](BenchmarkClock::time_point) {
        peakPrivate = std::max(peakPrivate, privateBytes());
      });
      std::printf("peak private memory from the start of a show over 30 s at 1 s (%d steps): %.0f MiB\n", steps,
                  peakPrivate / 1048576.0);
    }
    delete show;
  }
  std::printf("first photo: %.0f ms (best of 3)\n", firstPhoto);
  return 0;
}
