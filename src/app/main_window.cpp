// The main window's messages and the frame they drive.
#include <GL/gl.h>
#include <GL/glu.h>

#include "app/app_commands.h"
#include "app/help_picture.h"
#include "app/logo_wheel.h"
#include "app/outside_paths.h"
#include "app/scene_background.h"
#include "app/viewer_app.h"
#include "glui/menu_panel.h"
#include "photos/photo_show.h"


LRESULT ViewerApp::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      active = HIWORD(wParam) == 0;
      return 0;
    case WM_SYSCOMMAND:
      // No screen saver and no monitor power-down while Ovix runs.
      if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER) return 0;
      break;
    case WM_CLOSE:
    case WM_DESTROY:
    case MSG_BOX_ANSWER:
      PostQuitMessage(0);
      return 0;
    case WM_SIZE:
      resizeScene(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_DPICHANGED: {
      // Moved to a display of another dpi (or its scale changed): take the size Windows
      // suggests for it; WM_SIZE then fits the viewport, and the fonts follow on the next frame.
      // Full screen keeps covering the screen.
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      if (suggested && !fullScreen)
        SetWindowPos(handle, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam < 256) keyDown[wParam] = true;
      return 0;
    case WM_KEYUP:
      if (wParam < 256) keyDown[wParam] = false;
      return 0;
    case WM_SETCURSOR:
      return 0;  // only Ovix sets the cursor: the arrow, or the hand over a button
    case WM_TIMER:
      frameTick();
      return 0;
    case WM_MOUSEMOVE:
      mouseX = LOWORD(lParam);
      mouseY = HIWORD(lParam);
      if (menuPanel) menuPanel->hover(static_cast<int>(mouseX), static_cast<int>(mouseY));
      if (photoShow) photoShow->panels.hover(static_cast<int>(mouseX), static_cast<int>(mouseY));
      return 0;
    case WM_LBUTTONUP:
      if (menuPanel) menuPanel->click(LOWORD(lParam), HIWORD(lParam));
      if (photoShow) photoShow->onPanelClick(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_MOUSEWHEEL:
      if (photoShow) {
        if (static_cast<short>(HIWORD(wParam)) < 0)
          photoShow->zoomOut();
        else
          photoShow->zoomIn();
      }
      return 0;
    case WM_DROPFILES: {
      // Several items: the first one, as the command line takes one path.
      HDROP drop = reinterpret_cast<HDROP>(wParam);
      const std::string path = droppedPath(drop);
      DragFinish(drop);
      if (!path.empty()) openPath(path);
      return 0;
    }
    case WM_RBUTTONUP:
      showContextMenu();
      return 0;
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

void ViewerApp::frameTick() {
  if (logoWheel) logoWheel->spin();
  if (menuPanel) menuPanel->animate();
  if (photoShow && photoShow->cancelled()) {
    showIdleScene();  // the user cancelled the folder's scan
  }
  if (photoShow) {
    photoShow->panels.animate();
    photoShow->tick();
  }
  pollKeys();
  drawFrame();
  SwapBuffers(deviceContext);
}

void ViewerApp::showIdleScene() {
  delete photoShow;
  photoShow = nullptr;
  if (!logoWheel) logoWheel = new LogoWheel(handle);
}

void ViewerApp::drawFrame() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (background) background->draw();
  if (helpShown) {
    if (helpPicture) helpPicture->draw();
  } else {
    if (photoShow) photoShow->draw();
    if (logoWheel) logoWheel->draw();
  }
  if (menuPanel) {
    menuPanel->draw();
    runMenuCommand();
  }
  glFlush();
}

void ViewerApp::resizeScene(int width, int height) {
  if (height == 0) height = 1;
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height), 0.1f, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void ViewerApp::runMenuCommand() {
  const int32_t command = menuPanel->pending;
  menuPanel->pending = -1;  // every command runs exactly once
  switch (command) {
    case menuOpen: runAppCommand(*this, commandOpen); break;
    case menuConfig: runAppCommand(*this, commandConfig); break;
    case menuExit: runAppCommand(*this, commandExit); break;
    case menuAbout: runAppCommand(*this, commandAbout); break;
    default: break;
  }
}
