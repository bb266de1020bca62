#pragma once
// The arithmetic behind the configuration dialog's controls: the arrows' steps and bounds,
// the transparency slider's percentage, the texture sizes it offers, the languages it lists
// and the text of the OpenGL extensions log. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

// The interval field after one arrow step (`up` or down by 1); a result below 1 is refused
// and the shown number comes back unchanged.
int32_t stepInterval(int32_t shown, bool up);

// The cache level field after one arrow step (up or down by 4); a result outside 4-60 is
// refused and the shown number comes back unchanged.
int32_t stepCacheLevel(int32_t shown, bool up);

// The slider runs 0-255; the setting holds a percentage of transparency, 0-100.
int32_t sliderToPercent(int32_t position);  // truncated: 128 gives 50
int32_t percentToSlider(int32_t percent);   // truncated: 50 gives 127

// The texture sizes offered for a driver maximum, largest first: half the maximum, halved
// down to 256. The maximum itself is never offered; a maximum below 512 offers nothing.
std::vector<int32_t> textureSizeChoices(int32_t maximum);

// The language names worth offering: those that fit the `language` setting (11 bytes). A
// longer name would be cut on saving and then name no file.
std::vector<std::string> offeredLanguages(const std::vector<std::string>& names);

// The extensions log: the renderer, vendor and version lines, then every extension name of
// the space-separated `extensions` on a line of its own (runs of spaces make no empty
// names). Null strings count as empty.
std::string extensionsReport(const char* renderer, const char* vendor, const char* version,
                             const char* extensions);
