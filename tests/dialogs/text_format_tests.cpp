// Filling a translated text's "%s" places: only those, whatever else the text holds.
#include <gtest/gtest.h>

#include "dialogs/text_format.h"

TEST(TextPlaces, OnlySPlacesAreFilled) {
  const struct {
    const char* format;
    const char* filled;
  } cases[] = {
      {"%s%s%s%s%sall", "Ann\r\nBob\r\n\r\nall"},
      {"thanks %s and %s!", "thanks Ann and \r\n!"},
      {"%d %n %x %s 100%% %", "%d %n %x Ann 100% %"},
      {"%s %s %s %s %s %s %s", "Ann \r\n Bob \r\n \r\n  "},  // more places than arguments
      {"none", "none"},
      {"", ""},
  };
  for (const auto& known : cases)
    EXPECT_EQ(fillTextPlaces(known.format, {"Ann", "\r\n", "Bob", "\r\n", "\r\n"}), known.filled)
        << known.format;
  EXPECT_EQ(fillTextPlaces("[%s]", {nullptr}), "[]");
}
