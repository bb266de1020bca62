#include "glui/quad_list.h"

#include <windows.h>
#include <GL/gl.h>

uint32_t compileQuadList(unsigned mode, const float (&corners)[4][2], bool textured, float z) {
  static const float texels[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
  const GLuint list = glGenLists(1);
  if (!list) return 0;
  glNewList(list, GL_COMPILE);
  glBegin(mode);
  for (int i = 0; i < 4; ++i) {
    if (textured) glTexCoord2f(texels[i][0], texels[i][1]);
    glVertex3f(corners[i][0], corners[i][1], z);
  }
  glEnd();
  glEndList();
  return list;
}
