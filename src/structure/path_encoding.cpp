#include "structure/path_encoding.h"

#include <algorithm>
#include <cstdint>

#include "platform/path_text.h"

namespace {
// The characters of the bytes 0x80 to 0xFF of code page 1250; an undefined byte stands for
// the control character of its own number.
constexpr uint16_t upperHalf[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 0x98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // 0xA8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // 0xB8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // 0xC8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // 0xD8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // 0xE8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // 0xF8
};

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The character starting at `at` and the length of its sequence; length 0 when no
// well-formed sequence starts there.
struct Decoded {
  uint32_t character;
  size_t length;
};

Decoded decodeAt(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  size_t length;
  uint32_t character, lowest;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, character = lead & 0x1Fu, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, character = lead & 0x0Fu, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, character = lead & 0x07u, lowest = 0x10000;
  } else {
    return {0, 0};  // a continuation byte, or a lead only overlong or too large forms use
  }
  if (text.size() - at < length) return {0, 0};
  for (size_t i = 1; i < length; ++i) {
    if (!isContinuation(byte(i))) return {0, 0};
    character = character << 6 | (byte(i) & 0x3Fu);
  }
  // A lone surrogate's three bytes stay: a file name may hold one (platform/path_text.h).
  if (character < lowest || character > 0x10FFFF) return {0, 0};
  return {character, length};
}

bool beyondAscii(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}
}  // namespace

bool isUtf8(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size();) {
    size_t length = decodeAt(bytes, at).length;
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string utf8FromCodePage1250(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    appendUtf8(text, byte < 0x80 ? byte : upperHalf[byte - 0x80]);
  }
  return text;
}

std::optional<std::string> codePage1250FromUtf8(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const Decoded decoded = decodeAt(text, at);
    if (decoded.length == 0) return std::nullopt;
    at += decoded.length;
    if (decoded.character < 0x80) {
      bytes.push_back(static_cast<char>(decoded.character));
      continue;
    }
    const uint16_t* found = std::find(std::begin(upperHalf), std::end(upperHalf), decoded.character);
    if (found == std::end(upperHalf)) return std::nullopt;
    bytes.push_back(static_cast<char>(0x80 + (found - upperHalf)));
  }
  return bytes;
}

std::string pathFromConfigValue(std::string_view value) {
  if (beyondAscii(value) && isUtf8(value)) return std::string(value);
  return utf8FromCodePage1250(value);
}

std::string configValueFromPath(std::string_view path) {
  std::optional<std::string> bytes = codePage1250FromUtf8(path);
  if (!bytes) return std::string(path);  // beyond the code page, or no UTF-8 to convert
  if (beyondAscii(*bytes) && isUtf8(*bytes)) return std::string(path);  // would read as another path
  return *bytes;
}

std::string fitSettingsPath(std::string_view path) {
  size_t units = 0, bytes = 0;
  while (bytes < path.size()) {
    const auto lead = static_cast<unsigned char>(path[bytes]);
    const size_t size = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const size_t width = size == 4 ? 2 : 1;  // beyond U+FFFF: a surrogate pair
    if (units + width > maxSettingsPathCharacters) break;
    units += width;
    bytes += size;
  }
  return std::string(path.substr(0, std::min(bytes, path.size())));
}
