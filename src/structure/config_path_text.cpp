#include "structure/config_path_text.h"

#include <cstring>

#include "platform/path_text.h"

namespace {
// Unicode of the Windows-1250 bytes 0x80-0xFF; the five unassigned bytes stand for themselves.
const char16_t cp1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// True when `text` is valid UTF-8 (no overlong forms, surrogates or numbers past U+10FFFF)
// and holds a multi-byte sequence.
bool isMultiByteUtf8(const char* text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  bool multiByte = false;
  while (*p) {
    if (*p < 0x80) {
      ++p;
      continue;
    }
    size_t count = 0;
    char32_t c = 0, least = 0;
    if ((*p & 0xE0) == 0xC0) count = 2, c = *p & 0x1F, least = 0x80;
    else if ((*p & 0xF0) == 0xE0) count = 3, c = *p & 0x0F, least = 0x800;
    else if ((*p & 0xF8) == 0xF0) count = 4, c = *p & 0x07, least = 0x10000;
    else return false;
    for (size_t k = 1; k < count; ++k) {
      if ((p[k] & 0xC0) != 0x80) return false;  // the terminator fails here too
      c = (c << 6) | (p[k] & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
    p += count;
    multiByte = true;
  }
  return multiByte;
}

std::string utf8FromCp1250(const char* text) {
  std::u16string units;
  for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
    units += *p < 0x80 ? static_cast<char16_t>(*p) : cp1250High[*p - 0x80];
  return utf8FromUtf16(units.data(), units.size());
}

// `path` in Windows-1250; false when a character has no byte there.
bool cp1250FromUtf8(const std::string& path, std::string& out) {
  const std::u16string units = utf16FromUtf8(path.data(), path.size());
  out.clear();
  for (char16_t unit : units) {
    if (unit < 0x80) {
      out += static_cast<char>(unit);
      continue;
    }
    size_t i = 0;
    while (i < 128 && cp1250High[i] != unit) ++i;
    if (i == 128) return false;
    out += static_cast<char>(0x80 + i);
  }
  return true;
}

}  // namespace

std::string fitConfigPath(const std::string& path) {
  size_t units = 0, bytes = 0;
  while (bytes < path.size()) {
    const auto lead = static_cast<unsigned char>(path[bytes]);
    const size_t size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const size_t width = size == 4 ? 2 : 1;
    if (units + width > maxConfigPathCharacters) break;
    units += width;
    bytes += size;
  }
  return path.substr(0, bytes);
}

std::string pathFromConfig(const char* value) {
  return fitConfigPath(isMultiByteUtf8(value) ? std::string(value) : utf8FromCp1250(value));
}

std::string pathForConfig(const std::string& path) {
  std::string cp1250;
  if (cp1250FromUtf8(path, cp1250) && !isMultiByteUtf8(cp1250.c_str())) return cp1250;
  return path;
}
