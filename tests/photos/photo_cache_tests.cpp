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

TEST(PhotoCache, AWindowThatDoesNotFitIsNotLoadedAndTheUserIsWarned) {
  char previousFolder[MAX_PATH] = {}, path[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previousFolder);
  ASSERT_TRUE(SetCurrentDirectoryA(stagedProgramFolder().c_str()));  // for the warning's texts
  settings = Settings();
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  const std::string folder = makeScratchFolder("ovix-cache");
  ASSERT_TRUE(CopyFileA("data\\images\\folder.png", (folder + "\\photo.png").c_str(), FALSE));
  folder.copy(path, MAX_PATH - 1);  // the cache's path check may rewrite it
  LoadingReports reports;
  {
    // 64 photos of 65536² texels: 1 TiB, and 0 in 32-bit arithmetic.
    PhotoCache cache(path, 64, 65536, true, reports, false);
    EXPECT_EQ(cache.loaded(), 0u);
  }
  HWND warning = nullptr;
  ASSERT_TRUE(waitFor([&] { return (warning = FindWindowA("MsgBox Window", nullptr)) != nullptr; }));
  char title[64] = {}, message[256] = {};
  GetWindowTextA(warning, title, sizeof title);
  GetWindowTextA(FindWindowExA(warning, nullptr, "Static", nullptr), message, sizeof message);
  EXPECT_STREQ(title, "Not enough memory!");
  EXPECT_EQ(std::string(message).rfind("Ovix does not have enough memory", 0), 0u) << message;
  DestroyWindow(warning);
  SetCurrentDirectoryA(previousFolder);
  removeFolder(folder);
}

TEST(ProgressThread, PublishesItsWindowCountsStepsCancelsAndEndsWhenTold) {
  HWND window = nullptr;
  std::atomic<bool> cancel{false};
  {
    ProgressThread progress(8, 0, &cancel);
    ASSERT_TRUE(waitFor([&] { return progress.window() != nullptr; }));
    ProgressWindow* shown = progress.window();
    window = shown->handle;
    EXPECT_NE(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
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
