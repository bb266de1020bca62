#include "dialogs/text_format.h"

std::string fillTextPlaces(const std::string& format, std::initializer_list<const char*> arguments) {
  std::string filled;
  auto next = arguments.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      if (format[i + 1] == 's') {
        if (next != arguments.end()) {
          if (*next) filled += *next;
          ++next;
        }
        ++i;
        continue;
      }
      if (format[i + 1] == '%') {
        filled += '%';
        ++i;
        continue;
      }
    }
    filled += format[i];
  }
  return filled;
}
