#pragma once
// The process-wide list of window objects, in order of construction. The main thread and every
// thread that owns a window (the progress window's among them) use it, so every operation takes
// one lock; the lock is never held while a message handler runs.
class WindowBase;
struct HWND__;

namespace WindowRegistry {
void add(WindowBase* object);
// Removes the object's entry, keeping the order of the others; unknown objects are ignored.
void remove(WindowBase* object);
// The first registered object whose `handle` is `window`, or null.
WindowBase* find(HWND__* window);
// Number of registered objects (for diagnostics and tests).
int size();
}  // namespace WindowRegistry
