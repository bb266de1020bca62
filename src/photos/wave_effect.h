#pragma once
// The photo's texture drawn over a mesh that waves like a flag, moving one column every fifth
// frame; the photo's own frame list is drawn after it as for every effect.
#include "photos/effect.h"
#include "photos/wave_mesh.h"

class WaveEffect : public Effect {
public:
  // Draws the mesh with the bound texture (back faces filled, front faces as lines), moves the
  // wave on, and leaves both polygon modes filled. The model-view matrix stays translated by
  // (0, 0, -1), so the photo's frame list that follows is drawn one unit further away.
  void applyEffect(const TextureImage* photo) override;
  void onTick() override {}
  void restart() override { mesh.restart(); }

  WaveMesh mesh;
};
