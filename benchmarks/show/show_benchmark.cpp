// The photo show's running costs, in a 1024 x 768 window under whatever OpenGL the system has
// (llvmpipe under Wine), with generated 6000 x 4000 JPEGs, texture size 1024, cache level 8,
// frames driven by a 1 ms timer as in Ovix:
//  - first photo: from creating a show (what the open dialog's Start does) to the first frame
//    that draws a photo, for a folder of 1 photo and one of 18, and their ratio (target 1.5
//    or less);
//  - longest stall: a slideshow at a 1-second interval for 30 s over the 18 photos (crossing
//    the window's edge three times): the longest gap between two frames and the longest time
//    the window takes to answer a message sent from another thread (target 100 ms or less
//    for both), and the peak private memory of the process;
//  - the frame time of a running show and heap allocations per frame in steady state.
// The photos are generated once in the temporary folder ("ovix-show-benchmark").
//
//   bash scripts/build win && (cd build/win/benchmarks/show &&
//     ../../../../scripts/wine-run --root ../../wine ./show_benchmark.exe)
#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <psapi.h>
#include <wincodec.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "app/viewer_app.h"
#include "benchmarks/support/benchmark_pictures.h"
#include "benchmarks/support/show_frames.h"
#include "glui/gl_test_context.h"
#include "photos/photo_cache.h"
#include "photos/photo_show.h"
#include "sources/loading_reporter.h"

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
// A folder of `count` copies of one generated 6000 x 4000 photo, made on the first run.
std::string photoFolder(int count) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string base = std::string(temp) + "ovix-show-benchmark";
  CreateDirectoryA(base.c_str(), nullptr);
  const std::string original = base + "\\original.jpg";
  if (GetFileAttributesA(original.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::printf("generating a photo of 6000 x 4000 in %s ...\n", base.c_str());
    const std::wstring wide(original.begin(), original.end());
    if (!writeBenchmarkPicture(wide.c_str(), GUID_ContainerFormatJpeg, 6000, 4000)) return std::string();
  }
  const std::string folder = base + "\\" + std::to_string(count);
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 1; i <= count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "\\photo%02d.jpg", i);
    CopyFileA(original.c_str(), (folder + name).c_str(), TRUE);
  }
  return folder;
}

// Sends the window a message every 10 ms from a thread of its own and keeps the longest time
// it took to be answered.
class AnswerProbe {
public:
  explicit AnswerProbe(HWND window)
      : thread([this, window] {
          while (!stopping.load()) {
            const BenchmarkClock::time_point sent = BenchmarkClock::now();
            DWORD_PTR result = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
            longest.store(std::max(longest.load(), millisecondsSince(sent)));
            Sleep(10);
          }
          finished.store(true);
        }) {}
  ~AnswerProbe() { stop(); }
  // Answers the messages still on their way while the thread ends.
  void stop() {
    stopping.store(true);
    if (!thread.joinable()) return;
    while (!finished.load()) {
      MSG message;
      PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // answers a message sent meanwhile
      Sleep(1);
    }
    thread.join();
  }
  std::atomic<double> longest{0.0};

private:
  std::atomic<bool> stopping{false}, finished{false};
  std::thread thread;
};
}  // namespace

int main() {
  GlTestContext context(1024, 768, true);
  if (!context.ready()) {
    std::printf("no OpenGL context\n");
    return 1;
  }
  prepareShowScene(context, 1024, 768);
  std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

  const std::string single = photoFolder(1), folder = photoFolder(18);
  if (single.empty() || folder.empty()) {
    std::printf("cannot write the photos\n");
    return 1;
  }
  LoadingReporter quiet;  // as the app's, but without windows: the show loads as in Ovix
  ShowParams params = benchmarkShowParams(single, 1024, context.window, &quiet);

  // First photo, best of three for each folder, the two folders taking turns.
  double best[2] = {1e9, 1e9};
  PhotoShow* show = nullptr;
  for (int run = 0; run < 6; ++run) {
    delete show;
    params.photoDir = run % 2 == 0 ? single : folder;
    const BenchmarkClock::time_point start = BenchmarkClock::now();
    show = new PhotoShow(params);
    runShowFrames(context, *show, [&] { return show->largePhoto != nullptr; });
    glFinish();
    best[run % 2] = std::min(best[run % 2], millisecondsSince(start));
  }
  std::printf("first photo, 1 photo: %.0f ms; 18 photos: %.0f ms; ratio %.2f (target 1.5 or less)\n", best[0],
              best[1], best[1] / best[0]);

  // The slideshow: one step a second for 30 s.
  double longestGap = 0.0;
  uint64_t peakPrivate = privateBytes();
  int steps = 0;
  {
    AnswerProbe probe(context.window);
    BenchmarkClock::time_point lastFrame = BenchmarkClock::now();
    steps = runSlideshow(context, *show, 30, [&](BenchmarkClock::time_point now) {
      longestGap = std::max(longestGap, std::chrono::duration<double, std::milli>(now - lastFrame).count());
      lastFrame = now;
      peakPrivate = std::max(peakPrivate, privateBytes());
    });
    probe.stop();
    std::printf("slideshow of 18 photos, 1 s interval, 30 s (%d steps): longest frame gap %.0f ms, "
                "longest message answer %.0f ms (target 100 ms or less for both)\n",
                steps, longestGap, probe.longest.load());
  }
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  std::printf("peak private memory during the slideshow: %.1f MiB (sampled per frame; process peak %.1f MiB)\n",
              peakPrivate / 1048576.0, counters.PeakPagefileUsage / 1048576.0);

  show->playing = false;  // steady state: no steps, no loading
  for (int i = 0; i < 200 || show->cache->window.filling(); ++i) showFrame(context, *show);  // warm up: fades settle
  glFinish();
  const int frames = 1000;
  const uint64_t allocationsBefore = allocations.load();
  const BenchmarkClock::time_point start = BenchmarkClock::now();
  for (int i = 0; i < frames; ++i) showFrame(context, *show);
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
