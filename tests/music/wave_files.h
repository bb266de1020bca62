#pragma once
// Short generated WAV tones for the music tests.
#include <string>

// Writes a mono 16-bit 8 kHz PCM sine tone of `seconds` at `frequency` Hz; false on failure.
bool writeTone(const std::string& path, double seconds, int frequency);
