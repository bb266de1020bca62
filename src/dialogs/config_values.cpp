#include "dialogs/config_values.h"

#include "structure/settings.h"

int32_t stepInterval(int32_t shown, bool up) {
  const int32_t next = up ? shown + 1 : shown - 1;
  return next < 1 ? shown : next;
}

int32_t stepCacheLevel(int32_t shown, bool up) {
  const int32_t next = up ? shown + 4 : shown - 4;
  return next < 4 || next > 60 ? shown : next;
}

int32_t sliderToPercent(int32_t position) { return position * 100 / 255; }

int32_t percentToSlider(int32_t percent) { return percent * 255 / 100; }

std::vector<int32_t> textureSizeChoices(int32_t maximum) {
  std::vector<int32_t> sizes;
  for (int32_t size = maximum / 2; size >= 256; size /= 2) sizes.push_back(size);
  return sizes;
}

std::vector<std::string> offeredLanguages(const std::vector<std::string>& names) {
  std::vector<std::string> offered;
  for (const std::string& name : names)
    if (name.size() < sizeof Settings::language) offered.push_back(name);
  return offered;
}

std::string extensionsReport(const char* renderer, const char* vendor, const char* version,
                             const char* extensions) {
  auto orEmpty = [](const char* text) { return text ? text : ""; };
  std::string report = std::string("Renderer:\t") + orEmpty(renderer) + "\nVendor:\t\t" +
                       orEmpty(vendor) + "\nVersion:\t" + orEmpty(version) + "\n\nExtensions:\n";
  std::string name;
  for (const char* c = orEmpty(extensions);; ++c) {
    if (*c == ' ' || *c == '\0') {
      if (!name.empty()) report += name + "\n";
      name.clear();
      if (*c == '\0') break;
    } else {
      name += *c;
    }
  }
  return report;
}
