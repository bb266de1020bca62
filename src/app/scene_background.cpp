#include "app/scene_background.h"

#include <GL/gl.h>

#include "photos/texture_image.h"
#include "structure/settings.h"

SceneBackground::SceneBackground(HWND) {
  texture = loadTexture("./data/images/background.png", kindPng);
  if (texture == 0) return;
  list = glGenLists(1);
  if (list == 0) return;
  glNewList(list, GL_COMPILE);
  glBindTexture(GL_TEXTURE_2D, texture);
  glColor4f(0.73f, 0.73f, 0.73f, 0.1f);
  glTranslatef(0.0f, 0.0f, -10.1f);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(-3.9f, -3.5f, 3.5f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex3f(3.9f, -3.5f, 3.5f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(3.9f, 3.5f, 3.5f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(-3.9f, 3.5f, 3.5f);
  glEnd();
  glEndList();
}

SceneBackground::~SceneBackground() {
  if (list) glDeleteLists(list, 1);
  if (texture) {
    const GLuint name = texture;
    glDeleteTextures(1, &name);
  }
}

void SceneBackground::draw() {
  if (!list) return;
  glLoadIdentity();
  glEnable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glCallList(list);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
}

void applyBackgroundColour() {
  const float k = 1.0f / 255.0f;
  glClearColor(static_cast<float>(settings.bgRed) * k, static_cast<float>(settings.bgGreen) * k,
               static_cast<float>(settings.bgBlue) * k, 0.5f);
}
