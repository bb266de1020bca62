#pragma once
// Photo-like pictures for the benchmarks: smooth colour gradients with fine grain, so encoders
// cannot make them unrealistically small.
#include <windows.h>

#include <vector>

// width x height 24-bit BGR rows, top down; each `seed` gives a different picture.
std::vector<BYTE> makeBenchmarkPicture(UINT width, UINT height, int seed = 0);

// Encodes makeBenchmarkPicture(width, height, seed) into `path` in a WIC container (JPEG, PNG,
// ...). Returns false when it could not be written.
bool writeBenchmarkPicture(const wchar_t* path, const GUID& container, UINT width, UINT height,
                           int seed = 0);
