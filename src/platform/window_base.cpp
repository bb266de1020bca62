#include "platform/window_base.h"

#include "platform/window_registry.h"
#include "structure/settings.h"

WindowBase::WindowBase() { WindowRegistry::add(this); }

WindowBase::~WindowBase() { WindowRegistry::remove(this); }

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowBase* object = WindowRegistry::find(window);
  if (!object) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = object->handleMessage(message, wParam, lParam);
  if (message == WM_DESTROY) delete object;  // the teardown leaves the registry
  return result;
}

bool registerWindowClass(HINSTANCE moduleInstance, const char* className, UINT style,
                         HBRUSH background, HCURSOR cursor, HICON icon) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(moduleInstance, className, &windowClass)) return true;
  windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = moduleInstance;
  windowClass.hIcon = icon;
  windowClass.hIconSm = icon;
  windowClass.hCursor = cursor ? cursor : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  return RegisterClassExA(&windowClass) != 0;
}

WindowLook settingsLook() {
  WindowLook look;
  look.opacity = settings.opacity;
  look.font = static_cast<HFONT>(settings.dialogFont);
  return look;
}

void applyWindowOpacity(HWND window, uint8_t opacity) {
  if (opacity == 0) return;
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
  const float alpha = 255.0f - static_cast<float>(opacity) * 2.55f;
  using SetLayered = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  HMODULE user32 = GetModuleHandleA("USER32.DLL");
  auto setLayered =
      user32 ? reinterpret_cast<SetLayered>(
                   reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")))
             : nullptr;
  if (setLayered) setLayered(window, 0, static_cast<BYTE>(static_cast<int>(alpha)), LWA_ALPHA);
}
