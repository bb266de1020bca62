#include "app/help_picture.h"

#include <windows.h>
#include <GL/gl.h>

#include "photos/texture_image.h"

HelpPicture::HelpPicture() {
  texture = loadTexture("./help/klavesnice.png", kindPng);
  if (texture == 0) return;
  list = glGenLists(1);
  if (list == 0) return;
  // 481 x 298 pixels padded to a 512 x 512 texture.
  const float s = 0.939453125f, t = 0.58203125f, a = 1.614094f;
  glNewList(list, GL_COMPILE);
  glBindTexture(GL_TEXTURE_2D, texture);
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(-a, -1.0f, 1.0f);
  glTexCoord2f(s, 0.0f);
  glVertex3f(a, -1.0f, 1.0f);
  glTexCoord2f(s, t);
  glVertex3f(a, 1.0f, 1.0f);
  glTexCoord2f(0.0f, t);
  glVertex3f(-a, 1.0f, 1.0f);
  glEnd();
  glEndList();
}

HelpPicture::~HelpPicture() {
  if (list) glDeleteLists(list, 1);
  if (texture) {
    const GLuint name = texture;
    glDeleteTextures(1, &name);
  }
}

void HelpPicture::draw() {
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, -4.0f);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glEnable(GL_TEXTURE_2D);
  if (list) glCallList(list);
  glDisable(GL_TEXTURE_2D);
}
