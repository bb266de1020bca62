#include "photos/textured_square.h"

#include <windows.h>
#include <GL/gl.h>

#include "photos/texture_image.h"

void drawTexturedSquare(uint32_t texture, const TexturedSquare& square) {
  if (texture) glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(square.left, square.bottom, square.z);
  glTexCoord2f(square.s, 0.0f);
  glVertex3f(square.right, square.bottom, square.z);
  glTexCoord2f(square.s, square.t);
  glVertex3f(square.right, square.top, square.z);
  glTexCoord2f(0.0f, square.t);
  glVertex3f(square.left, square.top, square.z);
  glEnd();
}

SquarePicture::SquarePicture(const char* path, const TexturedSquare& square) {
  texture = loadTexture(path);
  if (texture == 0) return;
  list = glGenLists(1);
  if (list == 0) return;
  glNewList(list, GL_COMPILE);
  drawTexturedSquare(texture, square);
  glEndList();
}

SquarePicture::~SquarePicture() {
  if (list) glDeleteLists(list, 1);
  if (texture) {
    const GLuint name = texture;
    glDeleteTextures(1, &name);
  }
}
