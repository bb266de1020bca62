#pragma once
// A short-lived thread that keeps the progress window alive and repainted while the main thread
// is busy loading photos.
#include <windows.h>

#include <atomic>
#include <cstdint>

class ProgressWindow;

class ProgressThread {
public:
  // Starts the thread, which creates the progress window, makes its bar count `steps` steps of
  // one from 0, publishes it (window()) and runs its message loop. If the thread cannot be
  // started there is simply no window.
  explicit ProgressThread(uint32_t steps);
  // Ends the thread: waits until it has its window (or has given up on it), posts it a quit,
  // and waits for it to destroy the window and finish.
  ~ProgressThread();
  ProgressThread(const ProgressThread&) = delete;
  ProgressThread& operator=(const ProgressThread&) = delete;

  // The progress window once it is ready, none before. The caller may set its status and send
  // its bar messages; the window stays until this object is destroyed.
  ProgressWindow* window() const { return published.load(std::memory_order_acquire); }

private:
  static DWORD WINAPI run(void* self);

  uint32_t steps;
  std::atomic<ProgressWindow*> published{nullptr};
  HANDLE ready = nullptr;  // set once the thread has its window and message queue, or failed
  HANDLE thread = nullptr;
  DWORD threadId = 0;
};
