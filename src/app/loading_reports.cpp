#include "app/loading_reports.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/memory_warning.h"
#include "dialogs/message_box_window.h"
#include "dialogs/progress_thread.h"
#include "dialogs/progress_window.h"
#include "platform/ansi_text.h"
#include "platform/process_window.h"

namespace {
// Shorter waits show nothing: a window that flashes up and goes is worse than none.
constexpr DWORD progressDelayMs = 300;
}  // namespace

LoadingReports::LoadingReports() = default;
LoadingReports::~LoadingReports() = default;

void LoadingReports::waitStarted(uint32_t steps, std::atomic<bool>* cancel) {
  progress = std::make_unique<ProgressThread>(steps, progressDelayMs, cancel);
}

void LoadingReports::waitEnded() { progress.reset(); }

bool LoadingReports::closing() {
  MSG message;
  return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) ||
         (mainWindow && PeekMessageA(&message, mainWindow, WM_CLOSE, WM_CLOSE, PM_NOREMOVE));
}

void LoadingReports::showName(const char* name) {
  // The status line draws Windows-1250 text; a name beyond it shows with "?" there.
  if (ProgressWindow* window = progress ? progress->window() : nullptr) window->setStatus(cp1250FromUtf8(name).c_str());
}

void LoadingReports::step() {
  if (ProgressWindow* window = progress ? progress->window() : nullptr) PostMessageA(window->bar, PBM_STEPIT, 0, 0);
}

void LoadingReports::badPath(const char* path) { showBadPath(nullptr, path); }

void LoadingReports::lowMemory() { warnOutOfMemory(); }
