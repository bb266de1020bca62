// Paths as Ovix carries them: UTF-8 to UTF-16 and back, and the rules on path texts.
#include <gtest/gtest.h>

#include <string>

#include "platform/path_text.h"

namespace {
std::string utf8(const std::u16string& text) { return utf8FromUtf16(text.data(), text.size()); }
std::u16string utf16(const std::string& text) { return utf16FromUtf8(text.data(), text.size()); }

// Every name Windows allows comes back unchanged, lone surrogates included, and takes the
// UTF-8 bytes expected of it.
TEST(PathText, NamesRoundTripThroughUtf8) {
  const std::pair<std::u16string, std::string> names[] = {
      {u"IMG_0001.JPG", "IMG_0001.JPG"},
      {u"Žluťoučký kůň.jpg", "\xC5\xBD" "lu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88.jpg"},
      {u"фото.jpg", "\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE.jpg"},
      {u"写真", "\xE5\x86\x99\xE7\x9C\x9F"},
      {u"\U0001F600.png", "\xF0\x9F\x98\x80.png"},  // a surrogate pair is one four-byte character
      {u"\uFFFF", "\xEF\xBF\xBF"},
      {u"a\xD800" "b", "a\xED\xA0\x80" "b"},       // lone high surrogate
      {u"\xDC00", "\xED\xB0\x80"},                 // lone low surrogate
      {u"x\xDBFF", "x\xED\xAF\xBF"},               // high surrogate at the end
      {u"\xDC00\xD800", "\xED\xB0\x80\xED\xA0\x80"},  // reversed pair: two lone ones
      {u"", ""}};
  for (const auto& [wide, bytes] : names) {
    EXPECT_EQ(utf8(wide), bytes) << bytes;
    EXPECT_EQ(utf16(bytes), wide) << bytes;
    EXPECT_EQ(utf16Length(bytes.c_str()), wide.size()) << bytes;
  }
}

TEST(PathText, ForbiddenCharactersAndCutsAtCharacterBoundaries) {
  for (const char* path : {"C:\\Photos\\??", "a*b", "a<b", "a>b", "a|b", "a\"b", "a\tb", "a\x1F" "b", "\n"})
    EXPECT_TRUE(hasForbiddenPathCharacter(path)) << path;
  for (const char* path : {"C:\\Photos", "\\\\server\\share\\a.b", "C:/x y/[1]#%&'();@!~", "\xD1\x84\x7F", ""})
    EXPECT_FALSE(hasForbiddenPathCharacter(path)) << path;

  const std::string text = "a\xC4\x8D\xE5\x86\x99\xF0\x9F\x98\x80";  // a, č, 写, 😀: 1, 2, 3, 4 bytes
  const size_t fits[] = {0, 1, 1, 3, 3, 3, 6, 6, 6, 6, 10, 10};  // by room 0 .. 11
  for (size_t room = 0; room < sizeof fits / sizeof fits[0]; ++room)
    EXPECT_EQ(utf8Fit(text.c_str(), room), fits[room]) << room;
}
}  // namespace
