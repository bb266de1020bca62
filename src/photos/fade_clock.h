#pragma once
// The fade transition's alpha over one slide interval: it climbs from 0 for about half the
// interval and falls for the rest. Free of GL; FadeEffect applies the alpha as the colour.
#include <cstdint>

struct FadeClock {
  // `interval` timer ticks per slide, the clock advancing `step` per tick. An interval shorter
  // than the step (or a step of 0) counts as one step per interval instead of dividing by 0.
  FadeClock(uint32_t interval, uint32_t step);

  // Back to the start of a slide: alpha 0, rising.
  void restart();
  // One timer tick: alpha moves by delta, and the direction turns once the counter has run
  // through half the interval. Alpha is not clamped; the colour call clamps it.
  void tick();

  bool rising = true;
  uint32_t interval;
  uint32_t step;
  uint32_t counter = 0;
  float alpha = 0.0f;
  float delta = 0.0f;
};
