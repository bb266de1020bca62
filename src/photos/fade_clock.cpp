#include "photos/fade_clock.h"

FadeClock::FadeClock(uint32_t interval, uint32_t step) : interval(interval), step(step) { restart(); }

void FadeClock::restart() {
  uint32_t ticksPerSlide = step == 0 ? 0 : interval / step;
  if (ticksPerSlide == 0) ticksPerSlide = 1;
  counter = 0;
  rising = true;
  alpha = 0.0f;
  delta = static_cast<float>(2.0 * (1.0 / ticksPerSlide));
}

void FadeClock::tick() {
  if (rising)
    alpha += delta;
  else
    alpha -= delta;
  if (counter < (interval >> 1)) {
    counter += step;
  } else {
    rising = false;
    counter = 0;
  }
}
