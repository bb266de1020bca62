#include "app/viewer_app.h"

#include <GL/gl.h>

#include "app/help_picture.h"
#include "app/logo_wheel.h"
#include "app/scene_background.h"
#include "app/settings_environment.h"
#include "app/update_check.h"
#include "glui/menu_panel.h"
#include "glui/scene_colour.h"
#include "photos/photo_show.h"
#include "platform/display_scale.h"
#include "sources/photo_sources.h"
#include "structure/settings_file.h"

ViewerApp* ViewerApp::runningApp = nullptr;

namespace {
constexpr DWORD windowedStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD fullScreenStyle = WS_POPUP | WS_BORDER | WS_SYSMENU;
constexpr int programIcon = 103;

void startupError(const char* text) { MessageBoxA(nullptr, text, "ERROR", MB_OK | MB_ICONEXCLAMATION); }
void shutdownError(const char* text) {
  MessageBoxA(nullptr, text, "SHUTDOWN ERROR", MB_OK | MB_ICONINFORMATION);
}
}  // namespace

ViewerApp::ViewerApp() {
  runningApp = this;
  name = "Ovix - Photo viewer";
  readSettings(settingsEnvironment());
  popupTexts = openLanguage({"PopUpMenu"});
  effectTexts = openLanguage({"Effects"});
  updateThread = startUpdateCheck();
  installedPhotoExtensions();  // asks the picture decoders once, before any folder is scanned
  createMainWindow();
  DragAcceptFiles(handle, TRUE);
  createGlContext();
  SetTimer(handle, 0, 1, nullptr);
  initGlState();
  // The viewport covers the client area's pixels from the first frame on, whatever size
  // messages came before the context existed.
  RECT client = {};
  if (GetClientRect(handle, &client)) resizeScene(client.right, client.bottom);
  background = new SceneBackground();
  menuPanel = new MenuPanel(mainWindow);
  logoWheel = new LogoWheel(mainWindow);
  if (settings.fullScreen) toggleFullScreen();
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
  ShowWindow(handle, SW_SHOW);
  SetForegroundWindow(handle);
  SetActiveWindow(handle);
}

void ViewerApp::createMainWindow() {
  registerWindowClass(instance, name, CS_HREDRAW | CS_VREDRAW | CS_OWNDC, nullptr, nullptr,
                      LoadIconA(instance, MAKEINTRESOURCEA(programIcon)));

  handle = CreateWindowExA(WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, name, name, windowedStyle,
                           settings.windowX, settings.windowY, settings.windowWidth,
                           settings.windowHeight, nullptr, nullptr, instance, nullptr);
  mainWindow = handle;
  if (!handle) {
    startupError("Initialization Failed.");
    return;
  }
  // The size is in 96-dpi units; only now is the monitor known whose dpi it is scaled for.
  const SIZE size = windowedSize();
  if (size.cx != settings.windowWidth || size.cy != settings.windowHeight)
    SetWindowPos(handle, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE ViewerApp::windowedSize() const {
  const UINT dpi = windowDpi(handle);
  return {scaleForDpi(settings.windowWidth, dpi), scaleForDpi(settings.windowHeight, dpi)};
}

void ViewerApp::createGlContext() {
  PIXELFORMATDESCRIPTOR format = {};
  format.nSize = sizeof format;
  format.nVersion = 1;
  format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  format.iPixelType = PFD_TYPE_RGBA;
  format.cColorBits = static_cast<BYTE>(settings.bits);
  format.cDepthBits = 16;
  format.iLayerType = PFD_MAIN_PLANE;

  // Each step runs even when an earlier one failed; it then reports its own failure.
  deviceContext = GetDC(handle);
  if (!deviceContext) startupError("Can't Create A GL Device Context.");
  pixelFormat = ChoosePixelFormat(deviceContext, &format);
  if (pixelFormat == 0) startupError("Can't Find A Suitable PixelFormat.");
  if (!SetPixelFormat(deviceContext, pixelFormat, &format)) startupError("Can't Set The PixelFormat.");
  renderContext = wglCreateContext(deviceContext);
  if (!renderContext) startupError("Can't Create A GL Rendering Context.");
  if (!wglMakeCurrent(deviceContext, renderContext))
    startupError("Can't Activate The GL Rendering Context.");
}

void ViewerApp::initGlState() {
  glShadeModel(GL_SMOOTH);
  setSceneClearColour(settings.bgRed, settings.bgGreen, settings.bgBlue);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  GLint maximum = 2048;  // kept when there is no context to ask
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maximum);
  settings.textureSize = settledTextureSize(settings.textureSize, maximum, monitorLongerSide(handle));
}

void ViewerApp::toggleFullScreen() {
  ShowWindow(handle, SW_HIDE);
  if (!fullScreen) {
    SetWindowLongA(handle, GWL_EXSTYLE, WS_EX_APPWINDOW);
    SetWindowLongA(handle, GWL_STYLE, static_cast<LONG>(fullScreenStyle));
    SetWindowPos(handle, HWND_TOP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), 0);
  } else {
    SetWindowLongA(handle, GWL_STYLE, static_cast<LONG>(windowedStyle));
    const SIZE size = windowedSize();
    SetWindowPos(handle, nullptr, settings.windowX, settings.windowY, size.cx, size.cy, SWP_NOOWNERZORDER);
  }
  fullScreen = !fullScreen;
  ShowWindow(handle, SW_SHOW);
  SetForegroundWindow(handle);
}

ViewerApp::~ViewerApp() {
  if (helpShown) {
    delete helpPicture;
    helpPicture = nullptr;
  }
  rememberShownPhoto();
  // The show's panel was built after the menu panel, so it goes first.
  delete photoShow;
  photoShow = nullptr;
  delete background;
  background = nullptr;
  delete logoWheel;
  logoWheel = nullptr;
  delete menuPanel;
  menuPanel = nullptr;
  popupTexts.reset();
  effectTexts.reset();
  if (settings.lastPosition && handle) {
    RECT place;
    if (GetWindowRect(handle, &place)) {
      settings.windowX = place.left;
      settings.windowY = place.top;
    }
  }
  writeSettings();
  releaseGlContext();
  if (updateThread) CloseHandle(updateThread);  // the thread runs on, or has ended
  if (runningApp == this) runningApp = nullptr;
}

void ViewerApp::releaseGlContext() {
  if (renderContext) {
    if (!wglMakeCurrent(nullptr, nullptr)) shutdownError("Release Of DC And RC Failed.");
    if (!wglDeleteContext(renderContext)) shutdownError("Release Rendering Context Failed.");
    renderContext = nullptr;
  }
  if (deviceContext && !ReleaseDC(handle, deviceContext)) {
    shutdownError("Release Device Context Failed.");
    deviceContext = nullptr;
  }
}
