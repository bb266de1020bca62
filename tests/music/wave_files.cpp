#include "wave_files.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "support/harness.h"

bool writeTone(const std::string& path, double seconds, int frequency) {
  const uint32_t rate = 8000, samples = static_cast<uint32_t>(seconds * rate);
  // "RIFF" size "WAVE", "fmt " chunk of mono 16-bit PCM at `rate`, "data" size.
  const uint32_t header[11] = {0x46464952, 36 + samples * 2, 0x45564157, 0x20746D66, 16, 0x00010001, rate,
                               rate * 2,   0x00100002,       0x61746164, samples * 2};
  std::vector<int16_t> tone(samples);
  for (uint32_t i = 0; i < samples; ++i)
    tone[i] = static_cast<int16_t>(6000.0 * std::sin(6.283185307 * frequency * i / rate));
  return writeFile(path, std::string(reinterpret_cast<const char*>(header), sizeof header) +
                             std::string(reinterpret_cast<const char*>(tone.data()), 2 * samples));
}
