#include "photos/effect_holder.h"

#include "photos/fade_effect.h"
#include "photos/idle_effect.h"
#include "photos/plain_effect.h"
#include "photos/wave_effect.h"

void EffectHolder::select(int identifier) {
  currentEffect.reset();
  switch (identifier) {
    case effectFade:
      currentEffect = std::make_unique<FadeEffect>(interval, step);
      break;
    case effectWave:
      currentEffect = std::make_unique<WaveEffect>();
      break;
    case effectIdle:
      currentEffect = std::make_unique<IdleEffect>();
      break;
    case 1115:
    case 1116:
      break;  // no effect object: the show draws the photo in whatever colour is current
    default:
      currentEffect = std::make_unique<PlainEffect>();
      break;
  }
}
