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
      {u"IMG_0001.JPG", "IMG_0001.JPG"}, {u"", ""},
      {u"Žluťoučký kůň.jpg", "\xC5\xBD" "lu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88.jpg"},
      {u"фото.jpg", "\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE.jpg"}, {u"写真", "\xE5\x86\x99\xE7\x9C\x9F"},
      {u"\U0001F600.png", "\xF0\x9F\x98\x80.png"}, {u"\uFFFF", "\xEF\xBF\xBF"},  // a pair is one character
      {u"a\xD800" "b", "a\xED\xA0\x80" "b"}, {u"\xDC00", "\xED\xB0\x80"},      // lone high and low surrogates
      {u"x\xDBFF", "x\xED\xAF\xBF"},  // one at the end, then units next to a pair's edges that pair with nothing
      {u"\xDC00\xDFFF\xD800\xDBFF\xE000", "\xED\xB0\x80\xED\xBF\xBF\xED\xA0\x80\xED\xAF\xBF\xEE\x80\x80"},
      {u"\x7F\x80\u07FF\u0800", "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80"},  // where one more byte is needed
      {u"\U00010000\U00040000\U0010FFFF", "\xF0\x90\x80\x80\xF1\x80\x80\x80\xF4\x8F\xBF\xBF"}};
  for (const auto& [wide, bytes] : names) {
    EXPECT_EQ(utf8(wide), bytes) << bytes;
    EXPECT_EQ(utf16(bytes), wide) << bytes;
    EXPECT_EQ(utf16Length(bytes.c_str()), wide.size()) << bytes;
  }
  EXPECT_EQ(utf8FromUtf16(u"\xD800\xDC00", 1), "\xED\xA0\x80");  // the length ends the text, not the pair
}

// Each byte that starts no valid sequence gives U+FFFD and decoding goes on at the next byte:
// overlong forms at their largest, a number above U+10FFFF, cut sequences, lone and bad leads.
TEST(PathText, DamagedUtf8GivesOneReplacementPerBadByte) {
  const std::pair<std::string, std::u16string> damaged[] = {
      {"\xC1\xBF", u"\xFFFD\xFFFD"}, {"\xE0\x9F\xBF", u"\xFFFD\xFFFD\xFFFD"},
      {"\xF0\x8F\xBF\xBF", u"\xFFFD\xFFFD\xFFFD\xFFFD"}, {"\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},
      {"\xC4" "a\xE5\x86", u"\xFFFD" "a\xFFFD\xFFFD"}, {"\x80\xF8\x80", u"\xFFFD\xFFFD\xFFFD"}};
  for (const auto& [bytes, wide] : damaged) EXPECT_EQ(utf16(bytes), wide) << bytes;
}

TEST(PathText, ForbiddenCharacters) {
  for (const char* path : {"C:\\Photos\\??", "a*b", "a<b", "a>b", "a|b", "a\"b", "a\tb", "a\x1F" "b", "\n"})
    EXPECT_TRUE(hasForbiddenPathCharacter(path)) << path;
  for (const char* path : {"C:\\Photos", "\\\\server\\share\\a.b", "C:/x y/[1]#%&'();@!~", "\xD1\x84\x7F", ""})
    EXPECT_FALSE(hasForbiddenPathCharacter(path)) << path;
}
}  // namespace
