#include "photos/wave_effect.h"

#include <windows.h>
#include <GL/gl.h>

void WaveEffect::applyEffect(const TextureImage*) {
  glPolygonMode(GL_BACK, GL_FILL);
  glPolygonMode(GL_FRONT, GL_LINE);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glTranslatef(0.0f, 0.0f, -1.0f);

  // The texture coordinates span the whole texture, the zero padding beside the picture too.
  const float cell = 1.0f / 44.0f;
  const auto& p = mesh.points;
  // The photo's texture is bound but texturing is off between scene objects; the mesh is the
  // photo itself, so it is drawn textured.
  const GLboolean textured = glIsEnabled(GL_TEXTURE_2D);
  glEnable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  for (int i = 0; i < WaveMesh::side - 1; ++i) {
    for (int j = 0; j < WaveMesh::side - 1; ++j) {
      const float s0 = static_cast<float>(i) * cell, s1 = static_cast<float>(i + 1) * cell;
      const float t0 = static_cast<float>(j) * cell, t1 = static_cast<float>(j + 1) * cell;
      glTexCoord2f(s0, t0);
      glVertex3fv(p[i][j]);
      glTexCoord2f(s0, t1);
      glVertex3fv(p[i][j + 1]);
      glTexCoord2f(s1, t1);
      glVertex3fv(p[i + 1][j + 1]);
      glTexCoord2f(s1, t0);
      glVertex3fv(p[i + 1][j]);
    }
  }
  glEnd();
  if (!textured) glDisable(GL_TEXTURE_2D);
  mesh.frameDrawn();
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}
