// Filling a translated text's "%s" places: only those, whatever else the text holds.
#include <gtest/gtest.h>

#include "dialogs/text_format.h"

TEST(TextPlaces, OnlySPlacesAreFilled) {
  const std::pair<const char*, const char*> cases[] = {
      {"%s%s%s all", "Ann\r\nBob all"},
      {"%d %n %x %s 100%% %", "%d %n %x Ann 100% %"},
      {"%s %s %s %s", "Ann \r\n Bob "}};  // more places than arguments
  for (const auto& [format, filled] : cases)
    EXPECT_EQ(fillTextPlaces(format, {"Ann", "\r\n", "Bob"}), filled) << format;
  EXPECT_EQ(fillTextPlaces("[%s]", {nullptr}), "[]");
}
