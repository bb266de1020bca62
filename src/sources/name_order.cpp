#include "sources/name_order.h"

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

bool nameBefore(const std::string& a, const std::string& b) {
  size_t i = 0, k = 0;
  while (i < a.size() && k < b.size()) {
    const auto byteA = static_cast<unsigned char>(a[i]), byteB = static_cast<unsigned char>(b[k]);
    char32_t rankA, rankB;
    if (byteA < 0x80 && byteB < 0x80) {  // the common case: plain ASCII on both sides
      rankA = byteA >= 'a' && byteA <= 'z' ? byteA - 0x20 : byteA;
      rankB = byteB >= 'a' && byteB <= 'z' ? byteB - 0x20 : byteB;
      ++i, ++k;
    } else {
      rankA = utf16Rank(upperCase(nextCharacter(a.data(), a.size(), i)));
      rankB = utf16Rank(upperCase(nextCharacter(b.data(), b.size(), k)));
    }
    if (rankA != rankB) return rankA < rankB;
  }
  if (i < a.size() || k < b.size()) return k < b.size();  // a prefix comes first
  return a < b;  // equal but for case: the exact text decides
}
