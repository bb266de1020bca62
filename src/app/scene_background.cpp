#include "app/scene_background.h"

#include <GL/gl.h>


SceneBackground::SceneBackground()
    : picture("./data/images/background.png", {-3.9f, -3.5f, 3.9f, 3.5f, 3.5f}) {}

void SceneBackground::draw() {
  if (!picture.list) return;
  glLoadIdentity();
  glColor4f(0.73f, 0.73f, 0.73f, 0.1f);
  glTranslatef(0.0f, 0.0f, -10.1f);
  glEnable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glCallList(picture.list);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
}
