// Ovix's entry function: the application object and the one message loop of the main thread.
#include <new>

#include "app/viewer_app.h"

int WINAPI WinMain(HINSTANCE thisInstance, HINSTANCE, LPSTR, int) {
  instance = thisInstance;
  ViewerApp* app = new (std::nothrow) ViewerApp();
  if (!app) return 0;
  MSG message = {};
  for (;;) {
    // While minimised, sleep until something arrives; frames still come from the timer.
    if (ViewerApp::runningApp && !ViewerApp::runningApp->active) WaitMessage();
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // Destroying the main window tears the application object down (settings, GL context).
  if (mainWindow) DestroyWindow(mainWindow);
  return static_cast<int>(message.wParam);
}
