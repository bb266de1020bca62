#include "photos/progress_thread.h"

#include <commctrl.h>

#include "dialogs/progress_window.h"

ProgressThread::ProgressThread(uint32_t steps) : steps(steps) {
  ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!ready) return;
  thread = CreateThread(nullptr, 0, run, this, 0, &threadId);
}

ProgressThread::~ProgressThread() {
  if (thread) {
    // A quit posted before the thread has a message queue would be lost, and the thread would
    // never end.
    WaitForSingleObject(ready, INFINITE);
    PostThreadMessageA(threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
  if (ready) CloseHandle(ready);
}

DWORD WINAPI ProgressThread::run(void* self) {
  auto* owner = static_cast<ProgressThread*>(self);
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's message queue, at once
  auto* progress = new ProgressWindow();  // deletes itself when its window is destroyed
  HWND window = progress->handle;
  if (window) {
    progress->stopAnimation();
    SendMessageA(progress->bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(owner->steps));
    SendMessageA(progress->bar, PBM_SETSTEP, 1, 0);
    SendMessageA(progress->bar, PBM_SETPOS, 0, 0);
    owner->published.store(progress, std::memory_order_release);
  } else {
    delete progress;  // no window: nothing will delete it
  }
  SetEvent(owner->ready);
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  owner->published.store(nullptr, std::memory_order_release);
  if (window) DestroyWindow(window);
  return 0;
}
