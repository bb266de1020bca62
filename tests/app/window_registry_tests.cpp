// Window objects, the shared window procedure and the registry behind it.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/window_base.h"
#include "platform/window_registry.h"
#include "structure/settings.h"

namespace {
const char* testClass() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Ovix test window";
    registered = RegisterClassA(&windowClass) != 0;
  }
  return "Ovix test window";
}

// Counts what reaches its handler and tells when it is deleted.
class ProbeWindow : public WindowBase {
public:
  explicit ProbeWindow(bool* deleted) : deleted(deleted) {
    name = testClass();
    handle = CreateWindowExA(0, name, "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  }
  ~ProbeWindow() override {
    if (deleted) *deleted = true;
  }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP) return ++handled;
    return DefWindowProcA(handle, message, wParam, lParam);
  }
  int handled = 0;
  bool* deleted;
};

// A registered object that never gets a window.
class Windowless : public WindowBase {
public:
  LRESULT handleMessage(UINT, WPARAM, LPARAM) override { return 0; }
};
}  // namespace

TEST(WindowRegistry, MessagesReachTheirObjectUntilDestroyThenTheObjectIsGone) {
  bool deleted = false;
  const int before = WindowRegistry::size();
  auto* probe = new ProbeWindow(&deleted);
  ASSERT_NE(probe->handle, nullptr);
  HWND window = probe->handle;
  EXPECT_EQ(WindowRegistry::find(window), probe);
  EXPECT_EQ(SendMessageA(window, WM_APP, 0, 0), 1);
  EXPECT_EQ(SendMessageA(window, WM_APP, 0, 0), 2);

  DestroyWindow(window);
  EXPECT_TRUE(deleted);
  EXPECT_EQ(WindowRegistry::size(), before);
  EXPECT_EQ(WindowRegistry::find(window), nullptr);
}

TEST(WindowRegistry, ThreeThreadsAddLookUpAndRemoveWithoutLosingEntries) {
  const int before = WindowRegistry::size();
  constexpr int perThread = 2000;
  auto work = [](int thread) {
    std::vector<Windowless*> mine;
    for (int i = 0; i < perThread; ++i) {
      auto* object = new Windowless();
      object->handle = reinterpret_cast<HWND>(static_cast<intptr_t>(thread * 100000 + i + 1));
      mine.push_back(object);
      if (WindowRegistry::find(object->handle) != object) return false;
    }
    for (Windowless* object : mine) delete object;
    return true;
  };
  bool ok[3] = {};
  std::thread a([&] { ok[0] = work(1); }), b([&] { ok[1] = work(2); }), c([&] { ok[2] = work(3); });
  a.join();
  b.join();
  c.join();
  EXPECT_TRUE(ok[0] && ok[1] && ok[2]);
  EXPECT_EQ(WindowRegistry::size(), before);
}

TEST(WindowOpacity, AlphaFollowsTheOpacitySetting) {
  struct Case {
    uint8_t opacity;
    bool layered;
    BYTE alpha;
  };
  const Case cases[] = {{0, false, 0}, {30, true, 178}, {50, true, 127}, {100, true, 0}};
  for (const Case& c : cases) {
    settings.opacity = c.opacity;
    HWND window = CreateWindowExA(0, testClass(), "layered", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    applyWindowOpacity(window);
    const bool layered = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    EXPECT_EQ(layered, c.layered) << "opacity " << int(c.opacity);
    if (layered) {
      BYTE alpha = 0;
      DWORD flags = 0;
      ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
      EXPECT_EQ(alpha, c.alpha) << "opacity " << int(c.opacity);
      EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    }
    DestroyWindow(window);
  }
  settings.opacity = 0;
}
