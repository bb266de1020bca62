#include "glui/gl_button.h"

#include <GL/gl.h>

#include "photos/texture_image.h"

GlButton::GlButton(uint32_t pickName, uint32_t shapeList, GlBar* bar)
    : pickName(pickName), bar(bar), shapeList(shapeList) {}

GlButton::~GlButton() {
  tooltip.reset();
  for (uint32_t& image : images) {
    if (image) glDeleteTextures(1, &image);
  }
  if (ownList) glDeleteLists(ownList, 1);
  if (shapeList) glDeleteLists(shapeList, 1);
}

void GlButton::draw() {
  const float glow = hovered ? 0.04f : 0.0f;
  const bool textured = images[0] != 0;
  if (textured) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, images[imageIndex < 2 ? imageIndex : 0]);
  }
  if (flashing)
    glColor4f(1.0f, 1.0f, 1.0f, glow);  // the button almost vanishes for the flash
  else if (hovered)
    glColor4f(hoverColour[0], hoverColour[1], hoverColour[2], alpha + glow);
  else
    glColor4f(1.0f, 1.0f, 1.0f, alpha + glow);
  glTranslatef(offset[0], offset[1], offset[2]);
  glPushMatrix();
  glLoadName(pickName);
  glCallList(ownList ? ownList : shapeList);
  glPopMatrix();
  if (textured) glDisable(GL_TEXTURE_2D);
}

void GlButton::setImage(const char* path, int slot) {
  if (slot < 0 || slot > 1) return;
  if (images[slot]) glDeleteTextures(1, &images[slot]);
  images[slot] = loadTexture(path);
}

void GlButton::setTooltip(HWND window, const char* text) {
  tooltip.reset();
  tooltipText = text ? text : "";
  tooltip = std::make_unique<GlTooltip>(window, tooltipText.c_str());
}

void GlButton::showState(uint32_t index, const std::string& text) {
  imageIndex = index;
  if (!tooltip) return;
  tooltipText = text;
  tooltip->setText(tooltipText.c_str());
}
