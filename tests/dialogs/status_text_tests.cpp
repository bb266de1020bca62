// The progress window's status line.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogs/status_text.h"

TEST(ShortenStatus, KeepsUpToEighteenCharactersAndShortensLongerOnes) {
  const struct {
    const char* text;
    std::string shown;
  } cases[] = {
      {nullptr, ""},
      {"abcdefghijklmnopqr", "abcdefghijklmnopqr"},
      {"abcdefghijklmnopqrs", "abcdefghijklmnopq..."},
      {"photo_number_07.jpg", "photo_number_07.j..."},
  };
  for (const auto& c : cases) {
    char status[statusCapacity];
    std::memset(status, '#', sizeof status);
    shortenStatus(c.text, status);
    EXPECT_EQ(status, c.shown) << (c.text ? c.text : "null");
  }
  char status[statusCapacity];
  shortenStatus(std::string(500, 'x').c_str(), status);
  EXPECT_EQ(status, std::string(17, 'x') + "...");
}
