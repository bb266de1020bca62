#include "dialogs/status_text.h"

#include <cstring>

void shortenStatus(const char* text, char (&status)[statusCapacity]) {
  if (!text) text = "";
  const size_t length = std::strlen(text);
  if (length <= static_cast<size_t>(statusLimit)) {
    std::memcpy(status, text, length + 1);
    return;
  }
  const size_t kept = statusLimit - 1;
  std::memcpy(status, text, kept);
  std::memcpy(status + kept, "...", 4);
}
