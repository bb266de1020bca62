#include "glui/gl_tooltip.h"

#include <GL/gl.h>

#include "platform/process_window.h"
#include "glui/tooltip_place.h"

namespace {
// A font is 256 display lists; a show has a couple of dozen tooltips.
std::shared_ptr<GlFont> sharedFont(HDC deviceContext) {
  static std::weak_ptr<GlFont> shared;
  std::shared_ptr<GlFont> font = shared.lock();
  if (!font) {
    font = std::make_shared<GlFont>(deviceContext);
    shared = font;
  }
  return font;
}
}  // namespace

GlTooltip::GlTooltip(HWND window, const char* text) : window(window) {
  HDC deviceContext = GetDC(window);
  font = sharedFont(deviceContext);
  HGDIOBJ previous = SelectObject(deviceContext, font->font);
  if (!GetCharWidth32A(deviceContext, 0, 255, reinterpret_cast<LPINT>(charWidths))) {
    for (int32_t& w : charWidths) w = 0;
  }
  if (previous) SelectObject(deviceContext, previous);
  ReleaseDC(window, deviceContext);
  setText(text);
}

GlTooltip::~GlTooltip() = default;

void GlTooltip::setText(const char* newText) {
  text = newText;
  width = 5;
  if (!text) return;
  for (const char* c = text; *c; ++c) width += static_cast<uint32_t>(charWidths[static_cast<unsigned char>(*c)]);
}

void GlTooltip::draw() {
  if (!text) return;
  RECT client = {};
  GetClientRect(window, &client);
  const auto clientWidth = static_cast<uint32_t>(client.right);
  const auto clientHeight = static_cast<uint32_t>(client.bottom);
  const TooltipPlace place = placeTooltip(width, mouseX, mouseY, clientWidth, clientHeight);
  const auto x = static_cast<float>(place.x), y = static_cast<float>(place.y);
  const auto w = static_cast<float>(width);

  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, clientWidth, 0.0, clientHeight, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();

  glColor4f(0.656f, 0.656f, 0.656f, 0.4f);
  glBegin(GL_QUADS);
  glVertex2f(x, y);
  glVertex2f(x + w, y);
  glVertex2f(x + w, y + 15.0f);
  glVertex2f(x, y + 15.0f);
  glEnd();
  glColor4f(0.756f, 0.756f, 0.756f, 0.7f);
  glBegin(GL_LINES);
  glVertex2f(x, y);
  glVertex2f(x + w, y);
  glVertex2f(x + w, y + 15.0f);
  glVertex2f(x, y + 15.0f);
  glEnd();

  glDisable(GL_BLEND);
  glTranslatef(x, y, 0.0f);
  glTranslatef(3.0f, 3.0f, 0.1f);
  glRasterPos2f(0.0f, 0.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  font->print("%s", text);
  glEnable(GL_BLEND);

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}
