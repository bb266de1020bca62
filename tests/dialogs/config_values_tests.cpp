// The configuration dialog's arithmetic: arrow steps and their bounds, the transparency
// slider, the texture sizes offered, the languages offered and the extensions log's text.
#include <gtest/gtest.h>

#include "dialogs/config_values.h"

TEST(ConfigValues, ArrowsStepWithinTheirBounds) {
  const struct {
    int32_t (*step)(int32_t, bool);
    int32_t shown;
    bool up;
    int32_t expected;
  } cases[] = {
      {stepInterval, 4, false, 3},    {stepInterval, 1, false, 1},    {stepInterval, 1, true, 2},
      {stepCacheLevel, 10, false, 6}, {stepCacheLevel, 6, false, 6},  {stepCacheLevel, 10, true, 14},
      {stepCacheLevel, 58, true, 58}, {stepCacheLevel, 56, true, 60}, {stepCacheLevel, 8, false, 4},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.step(c.shown, c.up), c.expected)
        << (c.step == stepInterval ? "interval " : "cache ") << c.shown << (c.up ? " up" : " down");
}

TEST(ConfigValues, SliderPercentTruncates) {
  EXPECT_EQ(percentToSlider(50), 127);
  EXPECT_EQ(percentToSlider(100), 255);
  for (const auto& [position, percent] : {std::pair{128, 50}, {127, 49}, {255, 100}, {0, 0}, {3, 1}})
    EXPECT_EQ(sliderToPercent(position), percent) << position;
}

TEST(ConfigValues, TextureSizesNeverOfferTheMaximum) {
  using Sizes = std::vector<int32_t>;
  EXPECT_EQ(textureSizeChoices(2048), (Sizes{1024, 512, 256}));
  EXPECT_EQ(textureSizeChoices(512), (Sizes{256}));
  EXPECT_EQ(textureSizeChoices(511), Sizes{});
}

TEST(ConfigValues, LanguagesLongerThanTheSettingHoldsAreNotOffered) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(offeredLanguages({"en", "abcdefghijkl", "abcdefghijk", "cz", "en.old"}),
            (Names{"en", "abcdefghijk", "cz", "en.old"}));
}

TEST(ConfigValues, ExtensionsLogListsOneNamePerLine) {
  EXPECT_EQ(extensionsReport("llvmpipe", "Mesa", "4.5", "  GL_ARB_one GL_EXT_two   GL_three "),
            "Renderer:\tllvmpipe\nVendor:\t\tMesa\nVersion:\t4.5\n\nExtensions:\n"
            "GL_ARB_one\nGL_EXT_two\nGL_three\n");
  EXPECT_EQ(extensionsReport(nullptr, nullptr, nullptr, nullptr),
            "Renderer:\t\nVendor:\t\t\nVersion:\t\n\nExtensions:\n");
}
