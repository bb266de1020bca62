#pragma once
// The photo drawn as it is: fully opaque white colour.
#include "photos/effect.h"

class PlainEffect : public Effect {
public:
  void applyEffect(const TextureImage* photo) override;
  void onTick() override {}
  void restart() override {}
};
