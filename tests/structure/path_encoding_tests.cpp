// Paths in config.conf: code page 1250 wherever earlier Ovix could read them, UTF-8 only
// where that code page cannot hold a path.
#include <gtest/gtest.h>

#include "structure/path_encoding.h"

// The sources are compiled with code page 1250 as the execution character set, so the
// compiler turns a plain literal into code page 1250 and a u8 literal into UTF-8, each
// without Ovix's own table. BOTH gives the pair.
#define BOTH(text) std::pair<std::string, std::string>(text, u8"" text)

namespace {
// Every character of code page 1250 beyond ASCII, in the order of its bytes from 0x80.
const auto upperHalf = BOTH("€‚„…†‡‰Š‹ŚŤŽŹ‘’“”•–—™š›śťžź\u00A0ˇ˘Ł¤Ą¦§¨©Ş«¬\u00AD®Ż°±˛ł´µ¶·¸ąş»Ľ˝ľżŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖ×"
                            "ŘŮÚŰÜÝŢßŕáâăäĺćçčéęëěíîďđńňóôőö÷řůúűüýţ˙");
}  // namespace

TEST(PathEncoding, CodePage1250ConvertsEveryCharacterBothWaysAndNothingElse) {
  const auto& [bytes, text] = upperHalf;
  ASSERT_EQ(bytes.size(), 123u);  // 128 bytes less the five undefined ones
  EXPECT_EQ(utf8FromCodePage1250(bytes), text);
  EXPECT_EQ(codePage1250FromUtf8(text), bytes);
  for (int byte = 0; byte < 256; ++byte) {  // the undefined bytes come back too
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(codePage1250FromUtf8(utf8FromCodePage1250(one)), one) << byte;
  }
  for (const char* outside : {u8"ф", u8"写", u8"😀", u8"\u0080", u8"\u00FF", "\xC3"})
    EXPECT_EQ(codePage1250FromUtf8(outside), std::nullopt) << outside;
}

TEST(PathEncoding, OnlyWellFormedUtf8IsUtf8) {
  const std::pair<const char*, bool> rows[] = {
      {"", true},                  {"\xC2\x80", true},          {"\xDF\xBF", true},          {"\xE0\xA0\x80", true},
      {"\xEF\xBF\xBF", true},      {"\xF0\x90\x80\x80", true},  {"\xF4\x8F\xBF\xBF", true},  {"\xED\x9F\xBF", true},
      {"\xEE\x80\x80x", true},     {"\xC0\xAF", false},         {"\xC1\xBF", false},         {"\xE0\x9F\xBF", false},
      {"\xF0\x8F\xBF\xBF", false}, {"\xED\xA0\x80", true},      {"\xED\xBF\xBF", true},      {"\xF4\x90\x80\x80", false},
      {"\xF5\x80\x80\x80", false}, {"\x80", false},             {"\xBF", false},             {"a\xC3", false},
      {"\xE2\x82", false},         {"\xC3\x28", false},         {"\xE2\x28\xA1", false},     {"\xF0\x9F\x98x", false}};
  for (const auto& [bytes, valid] : rows) EXPECT_EQ(isUtf8(bytes), valid) << testing::PrintToString(bytes);
}

TEST(PathEncoding, CzechAndSlovakPathsStayInCodePage1250AndOthersGoThroughUtf8) {
  // Every letter with a háček or a čárka, in both cases.
  for (const auto& [bytes, text] :
       {BOTH("C:\\Users\\Jiří\\Obrázky\\Fotky z dovolené"), BOTH("\\\\nas\\Společné\\Výlet na Sněžku"),
        BOTH("D:\\Příliš žluťoučký kůň úpěl ďábelské ódy"), BOTH("PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY"),
        BOTH("Kŕdeľ šťastných ďatľov učí pri ústí Váhu mĺkveho koňa obhrýzať kôru a žrať čerstvé mäso"),
        BOTH("KŔDEĽ ŠŤASTNÝCH ĎATĽOV UČÍ PRI ÚSTÍ VÁHU MĹKVEHO KOŇA OBHRÝZAŤ KÔRU A ŽRAŤ ČERSTVÉ MÄSO")}) {
    EXPECT_EQ(pathFromConfigValue(bytes), text) << text;  // never taken for UTF-8
    EXPECT_EQ(configValueFromPath(text), bytes) << text;  // written as earlier Ovix wrote it
  }
  // Beyond the code page, and two paths whose code page 1250 bytes would read as UTF-8.
  for (const char* path : {u8"C:\\Фото\\Отпуск", u8"D:\\写真\\旅行", u8"E:\\🎉 party 😀", u8"C:\\Žluť\\фото", u8"Úžas", u8"MÍŠA",
                           "C:\\lone\xED\xA0\x80"}) {  // a lone surrogate, as a listing gives it
    EXPECT_EQ(configValueFromPath(path), path) << path;
    EXPECT_EQ(pathFromConfigValue(path), path) << path;
  }
  // Whatever an earlier Ovix wrote (anything but UTF-8 beyond ASCII) is written back unchanged.
  for (const std::string& value : {upperHalf.first, std::string("\x81\x83\x88\x90\x98")})
    EXPECT_EQ(configValueFromPath(pathFromConfigValue(value)), value);
}
