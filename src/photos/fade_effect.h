#pragma once
// The photo fades in over about half the slide interval and out over the rest.
#include <cstdint>

#include "photos/effect.h"
#include "photos/fade_clock.h"

class FadeEffect : public Effect {
public:
  FadeEffect(uint32_t interval, uint32_t step) : clock(interval, step) {}
  // The colour (1, 1, 1, alpha); the scene's blending makes the photo translucent.
  void applyEffect(const TextureImage* photo) override;
  void onTick() override { clock.tick(); }
  void restart() override { clock.restart(); }

  FadeClock clock;
};
