#pragma once
// Reading OpenGL's selection buffer after a picking pass. Platform-free, so it is tested
// natively.
#include <cstdint>

// The name of the nearest hit among `hits` records in `buffer` (`words` words long): the record
// with the smallest minimum depth (compared unsigned) wins, the earlier record on equal depths.
// Each record is (name count, minimum depth, maximum depth, names...); the record's last name
// counts, records without names are passed over. -1 when there is no hit, when the pass
// overflowed (a negative count), or when a record would run past the buffer.
int64_t nearestHit(const uint32_t* buffer, int32_t words, int32_t hits);
