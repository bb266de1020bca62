#include "app/release_version.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr char prefix[] = "Ovix ";

// The numbers after "Ovix " as digit strings without leading zeros; false when the text is
// not of that form. Digit strings, so numbers of any length compare without overflow.
bool releaseNumbers(const char* text, std::vector<std::string>& numbers) {
  if (std::strncmp(text, prefix, sizeof prefix - 1) != 0) return false;
  const char* at = text + sizeof prefix - 1;
  for (;;) {
    const char* start = at;
    while (*at >= '0' && *at <= '9') ++at;
    if (at == start) return false;
    while (start + 1 < at && *start == '0') ++start;
    numbers.emplace_back(start, at);
    if (*at == '\0') return true;
    if (*at++ != '.') return false;
  }
}

// <0, 0 or >0 as the number `a` is below, equal to or above `b`.
int compareNumbers(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}
}  // namespace

bool isNewerRelease(const char* own, const char* offered) {
  if (!own) own = "";
  if (!offered) offered = "";
  std::vector<std::string> ownNumbers, offeredNumbers;
  if (releaseNumbers(own, ownNumbers) && releaseNumbers(offered, offeredNumbers)) {
    const size_t count = std::max(ownNumbers.size(), offeredNumbers.size());
    ownNumbers.resize(count, "0");
    offeredNumbers.resize(count, "0");
    for (size_t i = 0; i < count; ++i) {
      const int order = compareNumbers(ownNumbers[i], offeredNumbers[i]);
      if (order != 0) return order < 0;
    }
    return false;
  }
  return std::strcmp(own, offered) < 0;  // strcmp compares as unsigned char
}
