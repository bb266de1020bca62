#pragma once
// A short-lived thread that keeps the progress window alive and repainted while the main thread
// is busy or waits for loading.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "dialogs/progress_window.h"

class ProgressThread {
public:
  // Copies the window's look and texts from the settings (so on the caller's thread, which
  // must be the main thread) and starts the thread. After `delayMs` (unless ended before:
  // short waits show nothing) it creates the progress window, makes its bar count `steps`
  // steps of one from 0, publishes it (window()) and runs its message loop. With `cancel`, the
  // window has a cancel button that sets it; the flag must outlive this object. If the thread
  // cannot be started there is simply no window.
  explicit ProgressThread(uint32_t steps, DWORD delayMs = 0, std::atomic<bool>* cancel = nullptr);
  // Ends the thread: waits until it has its message queue, posts it a quit, and waits for it
  // to destroy the window (if it made one) and finish.
  ~ProgressThread();
  ProgressThread(const ProgressThread&) = delete;
  ProgressThread& operator=(const ProgressThread&) = delete;

  // The progress window once it is ready, none before. The caller may set its status and send
  // its bar messages; the window stays until this object is destroyed.
  ProgressWindow* window() const { return published.load(std::memory_order_acquire); }

private:
  static DWORD WINAPI run(void* self);
  // Waits out the delay; false when a quit came first.
  bool delayed() const;

  uint32_t steps;
  DWORD delayMs;
  ProgressLook look;  // copied before the thread starts
  std::atomic<bool>* cancel;
  std::atomic<ProgressWindow*> published{nullptr};
  HANDLE ready = nullptr;  // set once the thread has its message queue, or failed
  HANDLE thread = nullptr;
  DWORD threadId = 0;
};
