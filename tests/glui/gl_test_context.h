#pragma once
// A window with a current OpenGL context for tests of GL code (textures, lists, fonts), made
// like the main window's: RGBA, double buffered, 16-bit depth. Header-only, so the photo,
// font and scene tests share it.
#include <windows.h>
#include <GL/gl.h>

class GlTestContext {
public:
  explicit GlTestContext(int width = 640, int height = 480, bool visible = false) {
    const WNDCLASSA windowClass = {CS_OWNDC, DefWindowProcA, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr,
                                   nullptr, nullptr, "Ovix GL test"};
    RegisterClassA(&windowClass);  // fails harmlessly when an earlier context registered it
    window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, width,
                             height, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return;
    deviceContext = GetDC(window);
    // 24 colour bits, no accumulation buffer, 16 depth bits.
    PIXELFORMATDESCRIPTOR format = {sizeof format, 1, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER,
                                    PFD_TYPE_RGBA, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0};
    const int index = ChoosePixelFormat(deviceContext, &format);
    if (index && SetPixelFormat(deviceContext, index, &format)) renderContext = wglCreateContext(deviceContext);
    if (renderContext) wglMakeCurrent(deviceContext, renderContext);
  }
  ~GlTestContext() {
    wglMakeCurrent(nullptr, nullptr);
    if (renderContext) wglDeleteContext(renderContext);
    if (window) DestroyWindow(window);  // and with it the window's own device context
  }
  GlTestContext(const GlTestContext&) = delete;
  GlTestContext& operator=(const GlTestContext&) = delete;

  // The context exists and is the calling thread's current one.
  bool ready() const { return renderContext && wglGetCurrentContext() == renderContext; }

  HWND window = nullptr;
  HDC deviceContext = nullptr;
  HGLRC renderContext = nullptr;
};
