#include "platform/window_registry.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/window_base.h"

namespace {
SRWLOCK registryLock = SRWLOCK_INIT;

std::vector<WindowBase*>& entries() {
  // Built on first use, so windows created by static objects of other files find it ready.
  static std::vector<WindowBase*> list;
  return list;
}

class Locked {
public:
  Locked() { AcquireSRWLockExclusive(&registryLock); }
  ~Locked() { ReleaseSRWLockExclusive(&registryLock); }
};
}  // namespace

namespace WindowRegistry {
void add(WindowBase* object) {
  Locked lock;
  entries().push_back(object);
}

void remove(WindowBase* object) {
  Locked lock;
  auto& list = entries();
  auto found = std::find(list.begin(), list.end(), object);
  if (found != list.end()) list.erase(found);
}

WindowBase* find(HWND window) {
  Locked lock;
  for (WindowBase* object : entries())
    if (object->handle == window) return object;
  return nullptr;
}

int size() {
  Locked lock;
  return static_cast<int>(entries().size());
}
}  // namespace WindowRegistry
