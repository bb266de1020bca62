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

// Every key under `node` as "/section/.../key", with whether it has a text.
void collectKeys(const Structure& node, const std::string& path, std::map<std::string, bool>& keys) {
  for (uint32_t i = 0; i < node.childCount(); ++i) {
    const Structure& child = *node.childAt(i);
    if (child.hasValue()) keys[path + "/" + child.nameString()] = !child.valueString()->empty();
    else collectKeys(child, path + "/" + child.nameString(), keys);
  }
}
}  // namespace

TEST(Language, ShippedFilesHaveTheSameKeysAllWithTextsAndCzechIsInWindows1250) {
  std::map<std::string, bool> keys[2];
  for (int i : {0, 1}) {
    Structure whole;
    whole.setType(Structure::standardType);
    ASSERT_TRUE(whole.load(i ? OVIX_LANGUAGES_DIR "/cz.lang" : OVIX_LANGUAGES_DIR "/en.lang"));
    collectKeys(whole, "", keys[i]);
    // "Otevřít" with ř as the single byte 0xF8, not UTF-8.
    if (i) {
      EXPECT_STREQ(whole.findPath("Menu.open")->value(), "Otev\xF8\xEDt fotografie");
    }
  }
  EXPECT_GT(keys[0].size(), 120u);
  for (int i : {0, 1})
    for (const auto& [key, filled] : keys[i]) EXPECT_TRUE(filled && keys[1 - i].count(key)) << key;
}

TEST(Language, MissingSectionOrKeyGivesEmptyTextsAndAParseErrorKeepsWhatWasRead) {
  MemoryStorage storage;
  // Sections of one name are merged: the title comes from the second.
  storage.files["./languages/xx.lang"] = "[Windows][Open]empty=;[/Open][/Windows][Windows][Open]title=Open;[/Open][/Windows]";
  storage.files["./languages/bb.lang"] = "[Menu]open=Open;[/Wrong]exit=Exit;[/Menu]";
  setLanguage("xx");
  EXPECT_EQ(openLanguage({"Windows", "Nowhere", "Open"})->section, nullptr);
  EXPECT_EQ(openLanguage({"Windows", "Nowhere"})->text("title"), "");
  EXPECT_EQ(openLanguage({"Windows"})->text("Open"), "");  // a section is no text
  std::unique_ptr<Language> open = openLanguage({"Windows", "Open"});
  EXPECT_EQ(open->text("title") + "|" + open->text("empty") + "|" + open->text("missing"), "Open||");
  EXPECT_TRUE(storage.writes.empty());  // the missing key is not written back
  setLanguage("bb");
  EXPECT_EQ(openLanguage({"Menu"})->text("open"), "Open");
  EXPECT_EQ(openLanguage({"Menu"})->text("exit"), "");
  setLanguage("en");
}

TEST(Language, NamesOutsideTheFolderAndMissingFilesFallBackToEnglishThenCzechThenBuiltInTexts) {
  const std::pair<const char*, bool> names[] = {
      {"en", true},   {"cz", true},     {"pt-BR_9", true}, {"", false},     {"..", false},
      {"../../etc/p", false}, {"..\\..\\etc\\x", false},   {"/etc/p", false}, {"C:\\x", false},
      {"en.old", false}, {"e n", false}, {"\xe8" "esky", false}, {"AZaz09", true}};
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
  for (const char* name : {"en.lang", "cz.lang", "en.old.lang", ".lang", "U.LANG", "readme.txt", "x.lang.bak", "xlang",
                           "lang"})
    writeBytes(std::string("languages/") + name, "");
  std::filesystem::create_directories("languages/folder.lang");
  std::vector<std::string> names = languageNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".lang", "U", "cz", "en", "en.old"}));
}
