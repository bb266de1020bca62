#include "app/logo_wheel.h"

#include <GL/gl.h>

#include <cstdio>

#include "platform/display_scale.h"
#include "platform/program_info.h"

LogoWheel::LogoWheel(HWND mainWindow)
    : picture("./data/images/wheel.png", {-1.0f, -1.0f, 1.0f, 1.0f}), window(mainWindow) {
  angle = 0.0f;
  makeFont(windowDpi(window));
  const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  std::snprintf(credits, sizeof credits, "%s %s, %s", programVersion, programCredits,
                renderer ? renderer : "");
  frames = 0;
}

void LogoWheel::makeFont(UINT dpi) {
  // The main window's class owns its device context, so this is the context GL draws on.
  HDC deviceContext = GetDC(window);
  font = GlFont::shared(deviceContext, dpi);
  ReleaseDC(window, deviceContext);
}

void LogoWheel::spin() {
  if (angle >= 360.0f) angle = 0.0f;
  angle += 0.1f;
  if (frames < 301) ++frames;
}

const char* LogoWheel::caption() const { return frames < 300 ? webSiteAddress : credits; }

void LogoWheel::draw() {
  const UINT dpi = windowDpi(window);
  if (dpi != font->dpi) makeFont(dpi);
  glLoadIdentity();
  glTranslatef(-3.0f, -2.25f, -6.0f);
  glRasterPos2f(0.0f, 0.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  font->print("%s", caption());

  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, -7.0f);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glEnable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glRotatef(angle, 0.0f, 0.0f, 1.0f);
  if (picture.list) glCallList(picture.list);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
}
