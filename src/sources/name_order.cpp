#include "sources/name_order.h"

#include <cstring>

#include "platform/path_text.h"

namespace {
char32_t upperCase(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c < 0xE0) return c;
  if (c <= 0xFE) return c == 0xF7 ? c : c - 0x20;  // Latin-1, but for the division sign
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F) {
    // Latin Extended-A pairs capital and small letters, capital first, in two runs whose
    // parity differs; a few letters have no pair.
    if (c == 0x131) return 'I';
    if (c == 0x130 || c == 0x138 || c == 0x149 || c == 0x178 || c == 0x17F) return c;
    const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool small = oddCapitals ? (c % 2 == 0) : (c % 2 == 1);
    return small ? c - 1 : c;
  }
  if (c >= 0x3B1 && c <= 0x3CB) return c == 0x3C2 ? 0x3A3 : c - 0x20;  // final sigma too
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

// UTF-16 order puts the characters beyond U+FFFF (whose surrogates are D800-DFFF) between
// U+D7FF and U+E000; renumbered so, code point order is UTF-16 order.
char32_t utf16Rank(char32_t c) {
  if (c < 0xD800) return c;
  if (c >= 0x10000) return 0xD800 + (c - 0x10000);
  return c + 0x100000;  // D800-FFFF after every character beyond U+FFFF
}
}  // namespace

std::string nameOrderKey(const char* name) {
  const size_t length = std::strlen(name);
  std::string key;
  key.reserve(length + 1);
  size_t i = 0;
  while (i < length && static_cast<unsigned char>(name[i]) < 0x80) {  // the common ASCII start
    const char c = name[i++];
    key += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c;
  }
  if (i == length) return key;
  const std::u16string units = utf16FromUtf8(name + i, length - i);
  for (size_t k = 0; k < units.size(); ++k) {
    char32_t c = units[k];
    if (c >= 0xD800 && c < 0xDC00 && k + 1 < units.size() && units[k + 1] >= 0xDC00 && units[k + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++k] - 0xDC00);
    appendUtf8(key, utf16Rank(upperCase(c)));  // keeps the order of the ranks
  }
  return key;
}
