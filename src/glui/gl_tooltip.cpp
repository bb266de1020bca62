#include "glui/gl_tooltip.h"

#include <GL/gl.h>

#include "platform/process_window.h"
#include "glui/tooltip_place.h"
#include "platform/display_scale.h"

GlTooltip::GlTooltip(HWND window, const char* text) : text(text), window(window) { scaleTo(windowDpi(window)); }

GlTooltip::~GlTooltip() = default;

void GlTooltip::scaleTo(UINT newDpi) {
  dpi = newDpi;
  HDC deviceContext = GetDC(window);
  font = GlFont::shared(deviceContext, dpi);
  HGDIOBJ previous = SelectObject(deviceContext, font->font);
  if (!GetCharWidth32A(deviceContext, 0, 255, reinterpret_cast<LPINT>(charWidths))) {
    for (int32_t& w : charWidths) w = 0;
  }
  if (previous) SelectObject(deviceContext, previous);
  ReleaseDC(window, deviceContext);
  setText(text);
}

void GlTooltip::setText(const char* newText) {
  text = newText;
  width = static_cast<uint32_t>(scaleForDpi(5, dpi));
  if (!text) return;
  for (const char* c = text; *c; ++c) width += static_cast<uint32_t>(charWidths[static_cast<unsigned char>(*c)]);
}

void GlTooltip::draw() {
  if (!text) return;
  const UINT displayDpi = windowDpi(window);
  if (displayDpi != dpi) scaleTo(displayDpi);
  RECT client = {};
  GetClientRect(window, &client);
  const auto clientWidth = static_cast<uint32_t>(client.right);
  const auto clientHeight = static_cast<uint32_t>(client.bottom);
  const TooltipPlace place = placeTooltip(width, mouseX, mouseY, clientWidth, clientHeight,
                                          static_cast<uint32_t>(scaleForDpi(20, dpi)),
                                          static_cast<uint32_t>(scaleForDpi(30, dpi)));
  const auto x = static_cast<float>(place.x), y = static_cast<float>(place.y);
  const auto w = static_cast<float>(width);
  const auto boxHeight = static_cast<float>(scaleForDpi(15, dpi));
  const auto margin = static_cast<float>(scaleForDpi(3, dpi));

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
  glVertex2f(x + w, y + boxHeight);
  glVertex2f(x, y + boxHeight);
  glEnd();
  glColor4f(0.756f, 0.756f, 0.756f, 0.7f);
  glBegin(GL_LINES);
  glVertex2f(x, y);
  glVertex2f(x + w, y);
  glVertex2f(x + w, y + boxHeight);
  glVertex2f(x, y + boxHeight);
  glEnd();

  glDisable(GL_BLEND);
  glTranslatef(x, y, 0.0f);
  glTranslatef(margin, margin, 0.1f);
  glRasterPos2f(0.0f, 0.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  font->print("%s", text);
  glEnable(GL_BLEND);

  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}
