// Language files: what the shipped files provide and how lookups behave when a file, a
// section or a key is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "memory_storage.h"
#include "scratch_folder.h"
#include "structure/language.h"
#include "structure/settings.h"
#include "structure/structure.h"

namespace {
void setLanguage(const char* name) { snprintf(settings.language, sizeof settings.language, "%s", name); }

// Every key under `node` as "section/.../key", with whether it has a text.
void collectKeys(const Structure& node, const std::string& path, std::map<std::string, bool>& keys) {
  for (uint32_t i = 0; i < node.childCount(); ++i) {
    const Structure& child = *node.childAt(i);
    std::string name = path + "/" + child.nameString();
    if (child.hasValue()) keys[name] = !child.valueString()->empty();
    else collectKeys(child, name, keys);
  }
}

std::map<std::string, bool> shippedKeys(const char* language) {
  Structure whole;
  whole.setType(3);
  EXPECT_TRUE(whole.load((std::string(OVIX_LANGUAGES_DIR "/") + language + ".lang").c_str())) << language;
  std::map<std::string, bool> keys;
  collectKeys(whole, "", keys);
  return keys;
}
}  // namespace

TEST(Language, ShippedFilesHaveTheSameKeysAllWithTexts) {
  std::map<std::string, bool> english = shippedKeys("en"), czech = shippedKeys("cz");
  EXPECT_GT(english.size(), 120u);
  for (const auto& keys : {english, czech}) {
    for (const auto& [key, filled] : keys) {
      EXPECT_TRUE(filled) << key;
      EXPECT_TRUE(english.count(key) && czech.count(key)) << key << " is missing in one file";
    }
  }
  ScratchFolder folder;
  std::filesystem::copy(OVIX_LANGUAGES_DIR, "languages");
  for (const char* language : {"en", "cz"}) {
    setLanguage(language);
    // The About dialog formats this text with five texts: any other conversion would read
    // arguments that were never passed.
    std::string thanks = openLanguage({"Windows", "About", "Thanks"})->text("thanks_str");
    size_t conversions = 0;
    for (size_t at = thanks.find('%'); at != std::string::npos; at = thanks.find('%', at + 2))
      conversions += thanks.compare(at, 2, "%s") == 0 ? 1 : 100;
    EXPECT_EQ(conversions, 5u) << language;
  }
  // Czech is in Windows-1250: "Otevřít" with ř as the single byte 0xF8, not UTF-8.
  EXPECT_EQ(openLanguage({"Menu"})->text("open"), "Otev\xF8\xEDt fotografie");
  setLanguage("en");
}

TEST(Language, MissingSectionOrKeyGivesEmptyTexts) {
  ScratchFolder folder;
  const std::string content = "[Windows][Open]title=\"Open photos\";empty=;[/Open][/Windows]\n";
  writeBytes("languages/xx.lang", content);
  writeBytes("languages/bb.lang", "[Windows][Open]title=Second;[/Open][/Windows]");
  setLanguage("xx");
  EXPECT_EQ(openLanguage({"Windows", "Nowhere", "Open"})->section, nullptr);
  EXPECT_EQ(openLanguage({"windows", "Open"})->text("title"), "");  // names are case-sensitive
  std::unique_ptr<Language> open = openLanguage({"Windows", "Open"});
  EXPECT_EQ(open->text("empty"), "");
  EXPECT_EQ(open->text("missing"), "");
  EXPECT_EQ(readBytes("languages/xx.lang"), content);  // the missing key is not written back
  // An open Language keeps its texts after a language change.
  setLanguage("bb");
  EXPECT_EQ(openLanguage({"Windows", "Open"})->text("title"), "Second");
  EXPECT_EQ(open->text("title"), "Open photos");

  // After a parse error the texts read before it are there, the rest are empty.
  writeBytes("languages/xx.lang", "[Menu]open=Open;[/Wrong]exit=Exit;[/Menu]");
  setLanguage("xx");
  EXPECT_EQ(openLanguage({"Menu"})->text("open"), "Open");
  EXPECT_EQ(openLanguage({"Menu"})->text("exit"), "");
  setLanguage("en");
}

TEST(Language, NamesOutsideTheFolderAndMissingFilesFallBackToEnglishThenCzechThenBuiltInTexts) {
  const std::pair<const char*, bool> names[] = {
      {"en", true},           {"cz", true},          {"pt-BR_9", true},    {"", false},
      {"..", false},          {"../../etc/p", false}, {"..\\..\\etc\\x", false}, {"/etc/p", false},
      {"C:\\x", false},       {"en.old", false},     {"e n", false},       {"\xe8" "esky", false}};
  for (const auto& [name, accepted] : names) EXPECT_EQ(isLanguageName(name), accepted) << name;

  // Languages present (each file answering its own name), the setting, the text given.
  const std::tuple<std::vector<const char*>, const char*, const char*> rows[] = {
      {{"en", "cz", "xx"}, "xx", "xx"}, {{"en", "cz", "../../etc/p"}, "../../etc/p", "en"},
      {{"cz", "..\\x"}, "..\\x", "cz"}, {{"en", "cz"}, "missing", "en"}, {{"cz"}, "", "cz"}, {{}, "en", "OK"}};
  for (const auto& [files, setting, expected] : rows) {
    MemoryStorage storage;
    for (const char* name : files)
      storage.files[std::string("./languages/") + name + ".lang"] = std::string("[Windows][Msg]ok=") + name + ";[/Msg][/Windows]";
    setLanguage(setting);
    EXPECT_EQ(openLanguage({"Windows", "Msg"})->text("ok"), expected) << setting;
  }
  MemoryStorage noFiles;  // the built-in texts are read to their end
  EXPECT_EQ(openLanguage({"Scene"})->text("no_photos"), "No photos in this folder");
  setLanguage("en");
}

TEST(Language, NamesAreTheLanguageFilesWithoutTheirLastExtension) {
  ScratchFolder folder;
  for (const char* name : {"en.lang", "cz.lang", "en.old.lang", ".lang", "UP.LANG", "readme.txt", "x.lang.bak"})
    writeBytes(std::string("languages/") + name, "");
  std::filesystem::create_directories("languages/folder.lang");
  std::vector<std::string> names = languageNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".lang", "UP", "cz", "en", "en.old"}));
}
