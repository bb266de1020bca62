#include "app/help_picture.h"

#include <windows.h>
#include <GL/gl.h>

// 481 x 298 pixels padded to a 512 x 512 texture, shown 2 units high.
HelpPicture::HelpPicture()
    : picture("./help/klavesnice.png",
              {-1.614094f, -1.0f, 1.614094f, 1.0f, 1.0f, 0.939453125f, 0.58203125f}) {}

void HelpPicture::draw() {
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, -4.0f);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glEnable(GL_TEXTURE_2D);
  if (picture.list) glCallList(picture.list);
  glDisable(GL_TEXTURE_2D);
}
