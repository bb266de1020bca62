#include "dialogs/progress_window.h"

#include <commctrl.h>

#include "platform/process_window.h"
#include "dialogs/dialog_look.h"
#include "dialogs/gdi_objects.h"
#include "structure/language.h"

namespace {
constexpr UINT_PTR idleTimer = 0;
constexpr int barLast = 4;  // the idle bar runs 0, 1, 2, 3, 4, 0, ...
constexpr int cancelId = 1;

// Holds a critical section for one scope.
class Locked {
public:
  explicit Locked(CRITICAL_SECTION& section) : section(section) { EnterCriticalSection(&section); }
  ~Locked() { LeaveCriticalSection(&section); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

private:
  CRITICAL_SECTION& section;
};
}  // namespace

ProgressLook progressLook(bool cancellable) {
  ProgressLook look;
  look.windowLook = settingsLook();
  look.status = openLanguage({"Windows", "Progress"})->text("text");
  if (cancellable) look.cancel = openLanguage({"Windows", "General"})->text("cancel");
  return look;
}

ProgressWindow::ProgressWindow(const ProgressLook& look, std::atomic<bool>* cancelFlag)
    : cancel(cancelFlag), layout(look.windowLook.font) {
  InitializeCriticalSection(&statusLock);
  name = "Progress class";
  width = 200;
  height = cancel ? 100 : 70;
  left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  top = (GetSystemMetrics(SM_CYSCREEN) - 150 - height) / 2;

  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  registerWindowClass(instance, name, CS_HREDRAW | CS_VREDRAW,
                      reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));

  handle = CreateWindowExA(WS_EX_TOOLWINDOW, name, name, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                           left, top, width, height, nullptr, nullptr, instance, nullptr);
  if (!handle) return;
  // Made at its 96-dpi place, then sized for the DPI of the display it is on.
  layout.setDpi(windowDpi(handle));
  left = (GetSystemMetrics(SM_CXSCREEN) - layout.px(width)) / 2;
  top = (GetSystemMetrics(SM_CYSCREEN) - layout.px(150) - layout.px(height)) / 2;
  SetWindowPos(handle, nullptr, left, top, layout.px(width), layout.px(height), SWP_NOZORDER | SWP_NOACTIVATE);
  applyWindowOpacity(handle, look.windowLook.opacity);
  // The window keeps its DPI, so what every paint draws with is made once for it.
  statusFont.reset(createDialogTitleFont(layout.px(progressFontHeight)));
  framePen.reset(CreatePen(PS_SOLID, layout.px(2), labelGrey));
  picture.reset(loadBitmapFile(programPicture));

  // No marquee style: a marquee bar ignores its position (Wine and newer common controls), and
  // the idle animation is the position itself running 0-4.
  bar = layout.place(CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, handle,
                                     nullptr, instance, nullptr),
                     60, 32, width - 70, 18);
  if (cancel) {
    cancelButton = layout.place(CreateWindowExA(0, "BUTTON", look.cancel.c_str(),
                                                WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0, handle,
                                                reinterpret_cast<HMENU>(cancelId), instance, nullptr),
                                width - 80, height - 32, 70, 24);
  }
  SendMessageA(bar, PBM_SETRANGE32, 0, barLast);
  SendMessageA(bar, PBM_SETPOS, 0, 0);
  SetTimer(handle, idleTimer, 100, nullptr);
  animated = true;

  SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  setStatus(look.status.c_str());
  ShowWindow(handle, SW_SHOW);
  if (HWND main = mainWindow) SetActiveWindow(main);  // the keyboard stays with the scene
}

ProgressWindow::~ProgressWindow() {
  if (animated && handle) KillTimer(handle, idleTimer);
  if (HWND main = mainWindow) SetActiveWindow(main);
  DeleteCriticalSection(&statusLock);
}

void ProgressWindow::setStatus(const char* text) {
  {
    Locked locked(statusLock);
    shortenStatus(text, status);
  }
  if (handle)
    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

std::string ProgressWindow::statusText() const {
  Locked locked(statusLock);
  return status;
}

void ProgressWindow::stopAnimation() {
  KillTimer(handle, idleTimer);
  animated = false;
  SetWindowLongA(bar, GWL_STYLE, GetWindowLongA(bar, GWL_STYLE) & ~PBS_MARQUEE);
}

LRESULT ProgressWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_NCHITTEST: {
      // No caption to drag: while the left button is down, the whole window acts as one.
      LRESULT hit = DefWindowProcA(handle, message, wParam, lParam);
      if (hit == HTCLIENT && (GetAsyncKeyState(VK_LBUTTON) & 0x8000)) return HTCAPTION;
      return hit;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == cancelId && cancel) {
        cancel->store(true);
        EnableWindow(cancelButton, FALSE);
      }
      return 0;
    case WM_TIMER: {
      LRESULT position = SendMessageA(bar, PBM_GETPOS, 0, 0);
      SendMessageA(bar, PBM_SETPOS, position >= barLast ? 0 : position + 1, 0);
      return 0;
    }
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

void ProgressWindow::paint() {
  const std::string shown = statusText();  // copied, so the loader never waits on GDI
  PAINTSTRUCT paintStruct;
  HDC dc = BeginPaint(handle, &paintStruct);
  {
    GdiSelection selectFont(dc, statusFont.get());
    GdiSelection selectPen(dc, framePen.get());
    Rectangle(dc, layout.px(1), layout.px(1), layout.px(width), layout.px(height));

    drawMaskedPicture(dc, picture.get(), layout.px(2), layout.px(4), layout.px(64));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, labelGrey);
    TextOutA(dc, layout.px(62), layout.px(6), shown.c_str(), static_cast<int>(shown.size()));
  }
  EndPaint(handle, &paintStruct);
}
