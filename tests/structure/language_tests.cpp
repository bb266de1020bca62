// Language files: what the shipped files provide and how lookups behave when a file, a
// section or a key is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "scratch_folder.h"
#include "structure/language.h"
#include "structure/settings.h"
#include "structure/structure.h"

namespace {
struct KeyGroup {
  std::vector<const char*> path;
  std::vector<const char*> keys;
};

// Every section and key the program asks for.
const std::vector<KeyGroup> requiredTexts = {
    {{"Menu"}, {"open", "config", "exit", "about"}},
    {{"Scene", "Negativ"}, {"prev", "next"}},
    {{"Scene", "Navigation"}, {"flip_m", "flip_p", "first", "last", "pause", "play", "zoomin", "zoomout"}},
    {{"Scene", "Music"}, {"on", "off", "pause", "play", "next", "prev", "vol_up", "vol_down"}},
    {{"PopUpMenu"},
     {"play_pause", "play_pause_key", "next", "next_key", "prev", "prev_key", "zoomin", "zoomin_key",
      "zoomout", "zoomout_key", "first", "first_key", "last", "last_key", "fullscreen",
      "fullscreen_key", "menu", "menu_key", "keys", "open", "open_key", "config", "config_key", "list",
      "list_key", "effects", "about", "help", "help_key", "exit", "exit_key", "pause", "play"}},
    {{"Effects"}, {"def", "fade"}},
    {{"Windows", "General"}, {"cancel", "choose"}},
    {{"Windows", "Open"}, {"title", "full_tree", "allow_music", "run", "photo_source", "music_source", "effects"}},
    {{"Windows", "Config"}, {"title", "program", "scene", "graphics", "sound", "effects", "save", "help", "help_tip"}},
    {{"Windows", "Config", "Program"},
     {"full_tree", "remember_position", "fullscreen", "update", "language", "background", "red", "pink",
      "magneta", "green", "yellow", "blue", "brown", "black", "white", "grey", "mirvak"}},
    {{"Windows", "Config", "Scene"}, {"photo_tips", "interval"}},
    {{"Windows", "Config", "Graphics"},
     {"color_depth", "win_transparency", "cache_level", "tex_size", "smoothing", "ogl_ext", "ogl_ext_tip"}},
    {{"Windows", "Config", "Sound"}, {"allow_music"}},
    {{"Windows", "Config", "Effects"}, {"effect", "effect_desc", "def_desc", "fade_desc"}},
    {{"Windows", "Help"}, {"title", "text"}},
    {{"Windows", "About"}, {"title", "development", "update", "debug", "thanks"}},
    {{"Windows", "About", "Update"}, {"new_ver", "link_tip"}},
    {{"Windows", "About", "Debug"}, {"intro", "step_one", "step_one_tip", "step_two", "step_two_tip"}},
    {{"Windows", "About", "Thanks"}, {"intro", "thanks_str"}},
    {{"Windows", "Msg"}, {"yes", "no", "ok"}},
    {{"Windows", "Progress"}, {"text"}},
    {{"Windows", "Update"}, {"title", "text"}},
};

std::unique_ptr<Language> open(const std::vector<const char*>& path) {
  switch (path.size()) {
    case 1: return openLanguage({path[0]});
    case 2: return openLanguage({path[0], path[1]});
    default: return openLanguage({path[0], path[1], path[2]});
  }
}

void setLanguage(const char* name) { snprintf(settings.language, sizeof settings.language, "%s", name); }
}  // namespace

class ShippedLanguage : public testing::TestWithParam<const char*> {};

TEST_P(ShippedLanguage, ProvidesEveryTextTheProgramAsksFor) {
  ScratchFolder folder;
  std::filesystem::copy(OVIX_LANGUAGES_DIR, "languages");
  setLanguage(GetParam());
  Structure whole;
  whole.setType(3);
  ASSERT_TRUE(whole.load((std::string("./languages/") + GetParam() + ".lang").c_str())) << "parse error";
  for (const KeyGroup& group : requiredTexts) {
    std::unique_ptr<Language> texts = open(group.path);
    ASSERT_NE(texts->section, nullptr) << group.path.back();
    for (const char* key : group.keys)
      EXPECT_FALSE(texts->text(key).empty()) << group.path.back() << " / " << key;
  }
  // The About dialog formats this text with five texts: any other conversion would read
  // arguments that were never passed.
  std::string thanks = openLanguage({"Windows", "About", "Thanks"})->text("thanks_str");
  size_t conversions = 0;
  for (size_t at = thanks.find('%'); at != std::string::npos; at = thanks.find('%', at + 2))
    conversions += thanks.compare(at, 2, "%s") == 0 ? 1 : 100;
  EXPECT_EQ(conversions, 5u);
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguage, testing::Values("en", "cz"));

TEST(Language, CzechTextsAreWindows1250) {
  ScratchFolder folder;
  std::filesystem::copy(OVIX_LANGUAGES_DIR, "languages");
  setLanguage("cz");
  // "Otevřít" with ř as the single byte 0xF8, not UTF-8.
  EXPECT_EQ(openLanguage({"Menu"})->text("open"), "Otev\xF8\xEDt fotografie");
  setLanguage("en");
}

TEST(Language, MissingFileSectionOrKeyGivesEmptyTexts) {
  ScratchFolder folder;
  const std::string content = "[Windows][Open]title=\"Open photos\";empty=;[/Open][/Windows]\n";
  writeBytes("languages/xx.lang", content);
  setLanguage("none");
  std::unique_ptr<Language> missingFile = openLanguage({"Windows", "Open"});
  EXPECT_EQ(missingFile->section, nullptr);
  EXPECT_EQ(missingFile->text("title"), "");

  setLanguage("xx");
  EXPECT_EQ(openLanguage({"Windows", "Nowhere", "Open"})->section, nullptr);
  EXPECT_EQ(openLanguage({"windows", "Open"})->text("title"), "");  // names are case-sensitive
  std::unique_ptr<Language> open = openLanguage({"Windows", "Open"});
  EXPECT_EQ(open->text("title"), "Open photos");
  EXPECT_EQ(open->text("empty"), "");
  EXPECT_EQ(open->text("missing"), "");
  // The missing key now exists, empty, in this Language's own tree only.
  ASSERT_NE(open->section->findChild("missing"), nullptr);
  EXPECT_STREQ(open->section->findChild("missing")->value(), "");
  EXPECT_EQ(readBytes("languages/xx.lang"), content);

  // After a parse error the texts read before it are there, the rest are empty.
  writeBytes("languages/xx.lang", "[Menu]open=Open;[/Wrong]exit=Exit;[/Menu]");
  EXPECT_EQ(openLanguage({"Menu"})->text("open"), "Open");
  EXPECT_EQ(openLanguage({"Menu"})->text("exit"), "");
  setLanguage("en");
}

TEST(Language, OpenLanguagesKeepTheirTextsAfterALanguageChange) {
  ScratchFolder folder;
  writeBytes("languages/aa.lang", "[Msg]ok=First;[/Msg]");
  writeBytes("languages/bb.lang", "[Msg]ok=Second;[/Msg]");
  setLanguage("aa");
  std::unique_ptr<Language> first = openLanguage({"Msg"});
  setLanguage("bb");
  std::unique_ptr<Language> second = openLanguage({"Msg"});
  EXPECT_EQ(first->text("ok"), "First");
  EXPECT_EQ(second->text("ok"), "Second");
  setLanguage("en");
}

TEST(LanguageList, NamesAreTheLanguageFilesWithoutTheirLastExtension) {
  ScratchFolder folder;
  for (const char* name : {"en.lang", "cz.lang", "en.old.lang", ".lang", "UP.LANG", "readme.txt", "x.lang.bak"})
    writeBytes(std::string("languages/") + name, "");
  std::filesystem::create_directories("languages/folder.lang");
  std::vector<std::string> names = languageNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".lang", "UP", "cz", "en", "en.old"}));
  std::filesystem::remove_all("languages");
  EXPECT_TRUE(languageNames().empty());
}
