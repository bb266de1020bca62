#include "glui/gl_bar.h"

#include <windows.h>
#include <GL/gl.h>

#include "glui/gl_button.h"
#include "photos/texture_image.h"

GlBar::GlBar(uint32_t pickName, uint32_t fillList, uint32_t edgeList)
    : pickName(pickName), fillList(fillList), edgeList(edgeList) {}

GlBar::~GlBar() {
  if (texture) glDeleteTextures(1, &texture);
  if (fillList) glDeleteLists(fillList, 1);
  if (edgeList && edgeList != fillList) glDeleteLists(edgeList, 1);
}

void GlBar::draw() {
  const float glow = shown ? 0.04f : 0.0f;
  glLoadIdentity();
  glTranslatef(position[0], position[1], position[2]);
  glPushMatrix();
  glLoadName(pickName);
  glColor4f(0.656f, 0.656f, 0.656f, alpha + glow);
  if (texture) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glCallList(fillList);
    glDisable(GL_TEXTURE_2D);
  } else {
    glCallList(fillList);
  }
  glColor4f(1.0f, 1.0f, 1.0f, alpha + glow);
  glCallList(edgeList);
  glPopMatrix();
  glTranslatef(0.0f, 0.0f, 0.01f);  // buttons lie just in front of the bar
  for (GlButton* button : buttons) button->draw();
}

void GlBar::setTexture(const char* path) {
  if (texture) glDeleteTextures(1, &texture);
  texture = loadTexture(path);
}
