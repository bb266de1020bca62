#pragma once
// The checks the picture header fuzzer makes on every input, shared with the native test that
// replays its corpus. Returns "" when they hold, else what failed.
#include <cstddef>
#include <cstdint>
#include <string>

std::string checkPictureHeader(const uint8_t* data, size_t size);
