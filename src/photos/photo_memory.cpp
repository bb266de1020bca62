#include "photos/photo_memory.h"

uint64_t photoWindowBytes(uint32_t capacity, uint32_t textureSize) {
  const uint64_t texels = static_cast<uint64_t>(textureSize) * textureSize;  // fits: < 2^64
  const uint64_t perPhoto = texels > UINT64_MAX / 4 ? UINT64_MAX : texels * 4;
  if (capacity != 0 && perPhoto > UINT64_MAX / capacity) return UINT64_MAX;
  return perPhoto * capacity;
}

uint64_t showBytes(uint32_t capacity, uint32_t textureSize) {
  const uint64_t window = photoWindowBytes(capacity, textureSize);
  return window > UINT64_MAX / 2 ? UINT64_MAX : 2 * window;
}
