#pragma once
// The memory a window of photo textures needs, for the guard before the first load.
#include <cstdint>

// capacity x textureSize x textureSize x 4 bytes, computed in 64 bits and held at the largest
// 64-bit value instead of wrapping (in 32 bits, 64 photos of 4096 texels wrap to 0 and would
// always "fit").
uint64_t photoWindowBytes(uint32_t capacity, uint32_t textureSize);

// What a running show holds at most: the window's textures plus one window of pictures
// decoded ahead and not yet uploaded; held at the largest value like photoWindowBytes.
uint64_t showBytes(uint32_t capacity, uint32_t textureSize);

// True when `required` bytes are strictly less than the `available` paging file.
inline bool photoWindowFits(uint64_t required, uint64_t available) { return required < available; }
