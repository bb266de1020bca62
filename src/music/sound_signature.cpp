#include "music/sound_signature.h"

#include <cstring>
#include <initializer_list>

bool startsLikeSound(const uint8_t* bytes, size_t count) {
  auto holds = [&](size_t at, const char* text) {
    const size_t length = std::strlen(text);
    return count >= at + length && std::memcmp(bytes + at, text, length) == 0;
  };
  for (const char* magic : {"RIFF", "ID3", "MThd", "OggS", "fLaC", "FORM", ".snd", "#!AMR", "\x30\x26\xB2\x75"})
    if (holds(0, magic)) return true;
  // An MP4 box names its kind after its 4-byte size; an MPEG audio frame starts with 11 set bits.
  return holds(4, "ftyp") || (count >= 2 && bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0);
}
