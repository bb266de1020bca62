#include "music/volume_bar.h"

#include <GL/gl.h>
#include <windows.h>

#include "music/volume_bar_shape.h"

void drawVolumeBar(unsigned volume) {
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, -2.5f);
  glColor4f(0.88f, 0.524f, 0.1f, 0.15f);
  glBegin(GL_QUADS);
  for (const VolumeBarQuad& bar : volumeBarQuads(volume)) {
    glVertex3f(bar.left, bar.bottom, 1.0f);
    glVertex3f(bar.right, bar.bottom, 1.0f);
    glVertex3f(bar.right, bar.top, 1.0f);
    glVertex3f(bar.left, bar.top, 1.0f);
  }
  glEnd();
}
