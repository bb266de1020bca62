// Ovix's entry function: the application object and the one message loop of the main thread.
#include <new>

#include "app/outside_paths.h"
#include "app/viewer_app.h"
#include "sources/open_request.h"

int WINAPI WinMain(HINSTANCE thisInstance, HINSTANCE, LPSTR, int) {
  instance = thisInstance;
  ViewerApp* app = new (std::nothrow) ViewerApp();
  if (!app) return 0;
  // "ovix.exe PATH": the folder's show, or the photo's folder at that photo, at once.
  const std::string path = pathFromArguments(commandLineArguments());
  if (!path.empty()) app->openPath(path);
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
