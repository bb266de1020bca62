#include "platform/display_scale.h"

int scaleForDpi(int value96, UINT dpi) {
  if (dpi == 0 || dpi == baseDpi) return value96;
  // MulDiv rounds halves away from zero and cannot overflow the intermediate product.
  return MulDiv(value96, static_cast<int>(dpi), static_cast<int>(baseDpi));
}

namespace {
// The system DPI is fixed for the process's life, so the screen is asked once: the scene asks
// for its windows' dpi on every frame.
UINT systemDpi() {
  static const UINT dpi = [] {
    HDC screen = GetDC(nullptr);
    const int logical = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return logical > 0 ? static_cast<UINT>(logical) : baseDpi;
  }();
  return dpi;
}
}  // namespace

UINT windowDpi(HWND window) {
  // Windows 10 1607 on; looked up at run time so that Ovix starts on Windows 7 too.
  using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowCall>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (window && getDpiForWindow) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi != 0) return dpi;
  }
  return systemDpi();
}

int monitorLongerSide(HWND window) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  if (monitor && GetMonitorInfoA(monitor, &info)) {
    width = info.rcMonitor.right - info.rcMonitor.left;
    height = info.rcMonitor.bottom - info.rcMonitor.top;
  }
  return width > height ? width : height;
}
