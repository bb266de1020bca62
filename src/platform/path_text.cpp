#include "platform/path_text.h"

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

namespace {
bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
}  // namespace

// Overlong forms, numbers above U+10FFFF and cut sequences are no valid sequence.
char32_t nextCharacter(const char* text, size_t length, size_t& i) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  const unsigned char lead = bytes[i++];
  if (lead < 0x80) return lead;
  size_t count = 0;
  char32_t c = 0, least = 0;
  if ((lead & 0xE0) == 0xC0) {
    count = 2, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    count = 3, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    count = 4, c = lead & 0x07, least = 0x10000;
  } else {
    return 0xFFFD;
  }
  const size_t start = i - 1;
  if (start + count > length) return 0xFFFD;
  for (size_t k = 1; k < count; ++k) {
    if (!isContinuation(bytes[start + k])) return 0xFFFD;
    c = (c << 6) | (bytes[start + k] & 0x3F);
  }
  if (c < least || c > 0x10FFFF) return 0xFFFD;
  i = start + count;
  return c;
}

std::string utf8FromUtf16(const char16_t* text, size_t length) {
  std::string out;
  out.reserve(length);
  for (size_t i = 0; i < length; ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    appendUtf8(out, c);
  }
  return out;
}

std::u16string utf16FromUtf8(const char* text, size_t length) {
  std::u16string out;
  out.reserve(length);
  for (size_t i = 0; i < length;) {
    const char32_t c = nextCharacter(text, length, i);
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

size_t utf16Length(const char* text) {
  size_t units = 0;
  for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    if (!isContinuation(*p)) ++units;
    if (*p >= 0xF0) ++units;  // a four-byte sequence is a surrogate pair
  }
  return units;
}

bool hasForbiddenPathCharacter(const char* text) {
  for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    switch (*p) {
      case '?': case '*': case '<': case '>': case '|': case '"': return true;
      default: if (*p < 0x20) return true;
    }
  }
  return false;
}
