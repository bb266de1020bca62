// The photo cache's warning when its window does not fit the memory, and the progress thread
// that keeps a window alive while loading.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>

#include "app/loading_reports.h"
#include "dialogs/progress_thread.h"
#include "dialogs/progress_window.h"
#include "glui/gl_test_context.h"
#include "photos/photo_cache.h"
#include "structure/settings.h"
#include "support/harness.h"

TEST(PhotoCache, AWindowThatDoesNotFitWarnsTheUser) {
  char previousFolder[MAX_PATH] = {}, path[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previousFolder);
  stagedProgramFolder().copy(path, MAX_PATH - 1);
  ASSERT_TRUE(SetCurrentDirectoryA(path));  // the folder opened, and the language file's words
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  LoadingReports reports;
  // 64 photos of 65536² texels: 1 TiB, and 0 in 32-bit arithmetic.
  PhotoCache cache(path, 64, 65536, true, reports, false);
  cache.waitOpened();
  HWND warning = nullptr;
  ASSERT_TRUE(waitFor([&] { return (warning = FindWindowA("MsgBox Window", nullptr)) != nullptr; }));
  char title[64] = {};
  GetWindowTextA(warning, title, sizeof title);
  EXPECT_STREQ(title, "Not enough memory!");
  DestroyWindow(warning);
  SetCurrentDirectoryA(previousFolder);
}

// The window is built on the progress thread, which must not read the settings: it shows the
// transparency the settings gave when the wait began, not what they say later.
TEST(ProgressThread, PublishesItsWindowCountsStepsCancelsAndEndsWhenTold) {
  settings.opacity = 30;
  HWND window = nullptr;
  std::atomic<bool> cancel{false};
  {
    ProgressThread progress(8, 100, &cancel);
    settings.opacity = 0;  // before the window exists
    ASSERT_TRUE(waitFor([&] { return progress.window() != nullptr; }));
    ProgressWindow* shown = progress.window();
    window = shown->handle;
    EXPECT_NE(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
    BYTE alpha = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr) && alpha == 178) << int(alpha);
    EXPECT_EQ(SendMessageA(shown->bar, PBM_GETRANGE, FALSE, 0), 8);
    for (int i = 0; i < 3; ++i) PostMessageA(shown->bar, PBM_STEPIT, 0, 0);
    EXPECT_TRUE(waitFor([&] { return SendMessageA(shown->bar, PBM_GETPOS, 0, 0) == 3; }));
    SendMessageA(shown->cancelButton, BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] { return cancel.load(); }));
  }
  EXPECT_FALSE(IsWindow(window));
  // Ending at once, before the thread has its window or within its delay, must not hang.
  for (int i = 0; i < 5; ++i) ProgressThread quick(4);
  { ProgressThread neverShown(4, 3600000); }
}

