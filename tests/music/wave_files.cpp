#include "wave_files.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {
void put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}
void put32(std::vector<uint8_t>& out, uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}
void putTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }
}  // namespace

bool writeTone(const std::string& path, double seconds, int frequency) {
  const uint32_t rate = 8000;
  const uint32_t samples = static_cast<uint32_t>(seconds * rate);
  std::vector<uint8_t> file;
  putTag(file, "RIFF");
  put32(file, 36 + samples * 2);
  putTag(file, "WAVE");
  putTag(file, "fmt ");
  put32(file, 16);
  put16(file, 1);  // PCM
  put16(file, 1);  // mono
  put32(file, rate);
  put32(file, rate * 2);
  put16(file, 2);
  put16(file, 16);
  putTag(file, "data");
  put32(file, samples * 2);
  for (uint32_t i = 0; i < samples; ++i)
    put16(file, static_cast<uint16_t>(static_cast<int16_t>(
                    6000.0 * std::sin(6.283185307 * frequency * i / rate))));
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written;
}
