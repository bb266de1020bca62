#pragma once
// Driving a photo show as Ovix's main window does, for the show benchmarks: the scene's GL
// state, the show's parameters, frames on a 1 ms timer, and the process's private memory.
#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <psapi.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "glui/gl_test_context.h"
#include "photos/photo_show.h"
#include "platform/process_window.h"

// The main window's GL state for a client area of width x height; `context` stands for the
// main window.
inline void prepareShowScene(GlTestContext& context, int width, int height) {
  mainWindow = context.window;
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, static_cast<double>(width) / height, 0.1f, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

// A show of `photoDir` with the default cache level (8), smoothing and the plain effect, whose
// steps come from the benchmark's clock (runSlideshow), reporting to `reporter`.
inline ShowParams benchmarkShowParams(const std::string& photoDir, uint32_t textureSize, HWND owner,
                                      LoadingReporter* reporter) {
  ShowParams params;
  params.cacheLevel = 8;
  params.textureSize = textureSize;
  params.flipTime = 1000000;
  params.effectId = 1111;
  params.smoothing = true;
  params.photoDir = photoDir;
  params.ownerWindow = owner;
  params.reporter = reporter;
  return params;
}

using BenchmarkClock = std::chrono::steady_clock;

inline double millisecondsSince(BenchmarkClock::time_point start) {
  return std::chrono::duration<double, std::milli>(BenchmarkClock::now() - start).count();
}

// One frame as the main window draws it on a timer tick.
inline void showFrame(GlTestContext& context, PhotoShow& show) {
  show.panels.animate();
  show.tick();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  show.draw();
  SwapBuffers(context.deviceContext);
}

// Ovix's main loop: a 1 ms timer draws the frames; every other message is dispatched. Runs
// until `done` says so after a frame.
template <typename Done>
void runShowFrames(GlTestContext& context, PhotoShow& show, Done done) {
  SetTimer(context.window, 0, 1, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == context.window) {
      showFrame(context, show);
      if (done()) break;
      continue;
    }
    DispatchMessageA(&message);
  }
  KillTimer(context.window, 0);
}

// The process's private commit now.
inline uint64_t privateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return counters.PagefileUsage;
}

// A slideshow of one step a second for `seconds`, each step made as the slide clock running
// out makes it; `eachFrame` (given the frame's time) runs after every frame. Returns the steps.
template <typename EachFrame>
int runSlideshow(GlTestContext& context, PhotoShow& show, int seconds, EachFrame eachFrame) {
  const BenchmarkClock::time_point start = BenchmarkClock::now();
  BenchmarkClock::time_point lastStep = start;
  int steps = 0;
  runShowFrames(context, show, [&] {
    const BenchmarkClock::time_point now = BenchmarkClock::now();
    eachFrame(now);
    if (now - lastStep >= std::chrono::seconds(1)) {
      show.tickCount = show.effect.interval;  // the next tick runs the clock out
      lastStep = now;
      ++steps;
    }
    return now - start >= std::chrono::seconds(seconds);
  });
  return steps;
}
