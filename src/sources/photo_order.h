#pragma once
// The order a show walks its folder in: the scan's, or a random one. Platform-free.
#include <cstdint>
#include <string>

class PhotoList;

// Puts the list's entries into a random order drawn from `seed` (the same seed, the same
// order), every entry exactly once. The entry at path `first` (compared as sameName does), when
// the list has it, goes first and only the rest are shuffled, so a show resumed or reopened at
// a photo starts there.
void shuffleList(PhotoList& list, const std::string& first, uint32_t seed);
