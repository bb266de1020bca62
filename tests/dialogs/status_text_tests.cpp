// The progress window's status line.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogs/status_text.h"

TEST(ShortenStatus, KeepsUpToEighteenCharactersAndShortensLongerOnes) {
  const std::string longText(500, 'x');
  const std::pair<const char*, std::string> cases[] = {
      {nullptr, ""}, {"abcdefghijklmnopqr", "abcdefghijklmnopqr"},
      {"photo_number_07.jpg", "photo_number_07.j..."}, {longText.c_str(), std::string(17, 'x') + "..."}};
  for (const auto& [text, shown] : cases) {
    char status[statusCapacity];
    std::memset(status, '#', sizeof status);  // a missing terminator shows as '#'
    shortenStatus(text, status);
    EXPECT_EQ(status, shown) << (text ? text : "null");
  }
}
