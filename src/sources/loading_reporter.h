#pragma once
// How loading photos tells the user what happens, without knowing any window: the app shows
// progress and message boxes, tests and benchmarks stay quiet. Every call comes from the main
// thread; the base class reports nothing.
#include <atomic>
#include <cstdint>

class LoadingReporter {
public:
  virtual ~LoadingReporter() = default;

  // The show waits for loading from now on. Progress (a bar of `steps` steps) shows only when
  // the wait lasts beyond about 300 ms. `cancel`, when given, is set if the user cancels; it
  // must outlive the wait.
  virtual void waitStarted(uint32_t steps, std::atomic<bool>* cancel) {
    (void)steps;
    (void)cancel;
  }
  // The wait is over; progress, if shown, goes.
  virtual void waitEnded() {}
  // Asked now and then while the show waits for a photo: true when Ovix is closing, so the
  // wait ends at once (the photo counts as not loaded) instead of keeping the close waiting.
  virtual bool closing() { return false; }
  // During a wait: the photo being loaded (its name in UTF-8), and one bar step after each try.
  virtual void showName(const char* name) { (void)name; }
  virtual void step() {}
  // The photo folder `path` (UTF-8) is no folder that can be scanned.
  virtual void badPath(const char* path) { (void)path; }
  // A window of photos does not fit the available memory; nothing is loaded.
  virtual void lowMemory() {}
};
