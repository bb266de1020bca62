#pragma once
// An effect that changes nothing: the photo takes the colour left current.
#include "photos/effect.h"

class IdleEffect : public Effect {
public:
  void applyEffect(const TextureImage*) override {}
  void onTick() override {}
  void restart() override {}
};
