#include "glui/scene_line.h"

#include <GL/gl.h>

#include <algorithm>
#include <utility>

#include "platform/display_scale.h"

SceneLine::SceneLine(HWND window, std::string line) : text(std::move(line)), window(window) {
  makeFont(windowDpi(window));
}

void SceneLine::makeFont(UINT dpi) {
  HDC deviceContext = GetDC(window);
  font = GlFont::shared(deviceContext, dpi);
  ReleaseDC(window, deviceContext);
  measure();
}

void SceneLine::setText(std::string line) {
  text = std::move(line);
  measure();
}

void SceneLine::measure() {
  HDC deviceContext = GetDC(window);
  HGDIOBJ previous = SelectObject(deviceContext, font->font);
  SIZE extent = {};
  width = 0;
  if (GetTextExtentPoint32A(deviceContext, text.c_str(), static_cast<int>(text.size()), &extent)) width = extent.cx;
  if (previous) SelectObject(deviceContext, previous);
  ReleaseDC(window, deviceContext);
}

void SceneLine::draw() {
  const UINT dpi = windowDpi(window);
  if (dpi != font->dpi) makeFont(dpi);
  RECT client = {};
  GetClientRect(window, &client);
  GLfloat clear[4] = {};
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  const bool lightBackground = 0.3f * clear[0] + 0.59f * clear[1] + 0.11f * clear[2] > 0.5f;

  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
  glDisable(GL_TEXTURE_2D);  // bitmap fragments would take the bound texture's colour
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, client.right, 0.0, client.bottom, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();

  const float shade = lightBackground ? 0.15f : 0.85f;
  glColor3f(shade, shade, shade);
  // The font's cell (12 pixels at 96 dpi) sits on the raster position, so its middle is 4 above.
  glRasterPos2i(std::max(0, static_cast<int>(client.right - width) / 2),  // inside, or not drawn
                std::max(0, static_cast<int>(static_cast<float>(client.bottom) * height) - scaleForDpi(4, dpi)));
  font->print("%s", text.c_str());

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
}
