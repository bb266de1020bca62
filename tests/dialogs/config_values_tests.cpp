// The configuration dialog's arithmetic: arrow steps and their bounds, the transparency
// slider, the texture sizes offered, the languages offered and the extensions log's list.
#include <gtest/gtest.h>

#include "dialogs/config_values.h"

TEST(ConfigValues, ArrowsStepWithinTheirBounds) {
  // Interval (bool) or cache level, the number shown, up, the number afterwards.
  const std::tuple<bool, int32_t, bool, int32_t> cases[] = {
      {true, 2, false, 1},   {true, 1, false, 1},   {true, 1, true, 2},    {false, 10, false, 6},
      {false, 6, false, 6},  {false, 10, true, 14}, {false, 58, true, 58}, {false, 56, true, 60},
      {false, 8, false, 4},  {false, 7, false, 7}};
  for (const auto& [interval, shown, up, expected] : cases)
    EXPECT_EQ((interval ? stepInterval : stepCacheLevel)(shown, up), expected)
        << (interval ? "interval " : "cache ") << shown << (up ? " up" : " down");
}

TEST(ConfigValues, SliderPercentTruncates) {
  EXPECT_EQ(percentToSlider(50), 127);
  EXPECT_EQ(percentToSlider(100), 255);
  for (const auto& [position, percent] : {std::pair{128, 50}, {127, 49}, {255, 100}, {0, 0}, {3, 1}})
    EXPECT_EQ(sliderToPercent(position), percent) << position;
}

TEST(ConfigValues, TextureSizesNeverOfferTheMaximumAndLongLanguageNamesAreNotOffered) {
  using Sizes = std::vector<int32_t>;
  EXPECT_EQ(textureSizeChoices(2048), (Sizes{1024, 512, 256}));
  EXPECT_EQ(textureSizeChoices(511), Sizes{});
  EXPECT_EQ(offeredLanguages({"en", "abcdefghijkl", "abcdefghijk", "cz", "en.old"}),
            (std::vector<std::string>{"en", "abcdefghijk", "cz"}));
}

// However the driver spaces them; a driver that answers nothing gives a log all the same.
TEST(ConfigValues, ExtensionsLogListsEachExtensionOnALineOfItsOwn) {
  const std::string log = extensionsReport("llvmpipe", "Mesa", "4.5", "  GL_ARB_one GL_EXT_two   GL_three ");
  EXPECT_EQ(log.substr(log.find("Extensions:\n")), "Extensions:\nGL_ARB_one\nGL_EXT_two\nGL_three\n");
  EXPECT_NE(extensionsReport(nullptr, nullptr, nullptr, nullptr).find("Extensions:\n"), std::string::npos);
}
