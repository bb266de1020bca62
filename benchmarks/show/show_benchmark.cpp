// The photo show's running costs, in a 1024 x 768 window under whatever OpenGL the system has
// (llvmpipe under Wine):
//  - the time from creating a show (what the open dialog's run does) to its first photo on
//    screen, for 8 photos of 6000 x 4000 with texture size 1024;
//  - the frame time of a running show (photo, film strip, navigation bar);
//  - heap allocations per frame in steady state, counted over 1000 frames.
// The photos are generated once in the temporary folder ("ovix-show-benchmark").
//
//   bash scripts/build win && (cd build/win/benchmarks/show &&
//     ../../../../scripts/wine-run --root ../../wine ./show_benchmark.exe)
#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <wincodec.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "app/viewer_app.h"
#include "benchmarks/support/benchmark_pictures.h"
#include "glui/gl_test_context.h"
#include "photos/photo_show.h"

namespace {
std::atomic<uint64_t> allocations{0};
}  // namespace

// Every C++ allocation of the process is counted.
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  ++allocations;
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {
using Clock = std::chrono::steady_clock;
double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The folder of 8 photos of 6000 x 4000, made on the first run.
std::string photoFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "ovix-show-benchmark";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string first = folder + "\\photo1.jpg";
  if (GetFileAttributesA(first.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::printf("generating 8 photos of 6000 x 4000 in %s ...\n", folder.c_str());
    const std::wstring wide(first.begin(), first.end());
    if (!writeBenchmarkPicture(wide.c_str(), GUID_ContainerFormatJpeg, 6000, 4000)) return std::string();
  }
  for (int i = 2; i <= 8; ++i)
    CopyFileA(first.c_str(), (folder + "\\photo" + std::to_string(i) + ".jpg").c_str(), TRUE);
  return folder;
}

void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// One frame as the main window draws it on a timer tick.
void frame(GlTestContext& context, PhotoShow& show) {
  show.panels.animate();
  show.tick();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  show.draw();
  SwapBuffers(context.deviceContext);
}
}  // namespace

int main() {
  GlTestContext context(1024, 768, true);
  if (!context.ready()) {
    std::printf("no OpenGL context\n");
    return 1;
  }
  mainWindow = context.window;
  glViewport(0, 0, 1024, 768);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, 1024.0 / 768.0, 0.1f, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

  const std::string folder = photoFolder();
  if (folder.empty()) {
    std::printf("cannot write the photos\n");
    return 1;
  }
  char photoDir[256] = {};
  ShowParams params;
  params.cacheLevel = 8;
  params.textureSize = 1024;
  params.flipTime = 400;
  params.effectId = 1111;
  params.smoothing = true;
  params.photoDir = photoDir;
  params.ownerWindow = context.window;

  PhotoShow* show = nullptr;
  for (int run = 1; run <= 3; ++run) {
    delete show;
    lstrcpynA(photoDir, folder.c_str(), sizeof photoDir);
    const Clock::time_point start = Clock::now();
    show = new PhotoShow(params);
    frame(context, *show);
    glFinish();
    std::printf("run to first photo (8 x 6000 x 4000 JPEG, texture size 1024), run %d: %.0f ms, "
                "%zu photos loaded\n", run, millisecondsSince(start), show->loaded());
    pumpMessages();
  }

  for (int i = 0; i < 200; ++i) frame(context, *show);  // warm up: fades settle
  glFinish();
  const int frames = 1000;
  const uint64_t allocationsBefore = allocations.load();
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < frames; ++i) {
    frame(context, *show);
    if (i % 50 == 0) pumpMessages();
  }
  glFinish();
  const double elapsed = millisecondsSince(start);
  const uint64_t counted = allocations.load() - allocationsBefore;
  std::printf("frame time at 1024 x 768 (photo, film strip, panels): %.2f ms (%.0f frames/s) "
              "over %d frames\n", elapsed / frames, frames * 1000.0 / elapsed, frames);
  std::printf("heap allocations over %d frames: %llu\n", frames,
              static_cast<unsigned long long>(counted));
  delete show;
  return 0;
}
