#include "dialogs/progress_thread.h"

#include <commctrl.h>

ProgressThread::ProgressThread(uint32_t steps, DWORD delayMs, std::atomic<bool>* cancel)
    : steps(steps), delayMs(delayMs), look(progressLook(cancel != nullptr)), cancel(cancel) {
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

bool ProgressThread::delayed() const {
  const ULONGLONG deadline = GetTickCount64() + delayMs;
  for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLPOSTMESSAGE);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
      if (message.message == WM_QUIT) return false;
  }
  return true;
}

DWORD WINAPI ProgressThread::run(void* self) {
  auto* owner = static_cast<ProgressThread*>(self);
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's message queue, at once
  SetEvent(owner->ready);
  if (!owner->delayed()) return 0;

  auto* progress = new ProgressWindow(owner->look, owner->cancel);  // deletes itself when its window is destroyed
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
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  owner->published.store(nullptr, std::memory_order_release);
  if (window) DestroyWindow(window);
  return 0;
}
