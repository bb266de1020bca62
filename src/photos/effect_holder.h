#pragma once
// The show's current transition effect, chosen by identifier.
#include <cstdint>
#include <memory>

#include "photos/effect.h"

class EffectHolder {
public:
  // Replaces the current effect by a fresh one for `identifier`: 1112 fades, 1113 waves,
  // 1114 draws nothing of its own, 1115 and 1116 leave the holder empty, and every other
  // identifier (1111 among them) is the plain effect. The fade runs over `interval` ticks
  // advancing `step` per tick.
  void select(int identifier);

  std::unique_ptr<Effect> currentEffect;  // none until the first selection
  uint32_t step = 1;      // clock step per timer tick
  uint32_t interval = 0;  // slide interval in timer ticks
};
