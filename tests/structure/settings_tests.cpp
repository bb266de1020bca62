// config.conf: defaults, conversions, keeping what Ovix does not know, and never losing the
// old file to a failed or interrupted write.
#include <gtest/gtest.h>

#include <sstream>

#include "memory_storage.h"
#include "scratch_folder.h"
#include "structure/settings_file.h"
#include "structure/structure.h"

namespace {
void readFresh(int screenWidth = 1024, int screenHeight = 768) {
  settings = Settings();
  settings.windowWidth = settings.windowHeight = 0;  // set by the reading
  readSettings({nullptr, screenWidth, screenHeight});
}

void readConfig(MemoryStorage& storage, const std::string& text, int screenWidth = 1024, int screenHeight = 768) {
  storage.files["./config.conf"] = text;
  readFresh(screenWidth, screenHeight);
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

TEST(SettingsFile, ValuesAreConvertedHandEditingIsTidiedUpAndWhatOvixDoesNotKnowSurvives) {
  MemoryStorage storage;
  const std::string folder300(300, 'm');
  readConfig(storage,
      "# mine\r\n[Mine]a=1;[/Mine][ Configuration ]\r\n [Sound] music = true; music_dir=" + folder300 + "; [/]\r\n"
      "  [Program]  # here\r\n   full_screen=TRUE; recursive=true1; check_updates=xrue; bg_red=12abc; own=1;\r\n"
      "   x=99999999999; language = abcdefghijk ; photo_dir = \"C:\\\\My Photos\" ; [Deep]k=v;[/Deep]\r\n"
      "  [/Program]\r\n[Extra]e=2;[/Extra][Scene][flip_time]x=1;[/flip_time][/Scene][Graphics]smoothing=trux;"
      "[/Graphics][Scene]photo_names=true;[/Scene][Effects]effect=-2147483650;[/Effects][/Configuration]top=3;");
  EXPECT_TRUE(settings.fullScreen && settings.music && settings.photoNames);  // a section twice is one
  EXPECT_FALSE(settings.recursive || settings.checkUpdates || settings.smoothing);  // only "true" in any case is true
  // Numbers stop at the ends, and a key found as a section (flip_time) becomes the key again.
  EXPECT_EQ(std::tuple(settings.bgRed, settings.windowX, settings.effect, settings.flipTime),
            std::tuple(12u, INT32_MAX, INT32_MIN, 400));
  EXPECT_EQ(std::string(settings.photoDir) + "|" + settings.language, "C:\\My Photos|abcdefghijk");
  EXPECT_EQ(settings.musicDir, folder300.substr(0, 255));
  // Rewritten in the writer's form: present keys keep their place and value, comments go.
  const std::string& written = storage.files["./config.conf"];
  for (const char* part : {"[Mine]\r\n\ta=1;\r\n[/Mine]\r\n[Configuration]\r\n\t[Sound]\r\n\t\tmusic=true;\r\n",
                           "\t[/Sound]\r\n\t[Program]\r\n\t\tfull_screen=TRUE;\r\n",
                           "\t\tphoto_dir=\"C:\\\\My Photos\";\r\n\t\t[Deep]\r\n\t\t\tk=v;\r\n\t\t[/Deep]\r\n"
                           "\t\tlast_position=true;\r\n\t\tbg_green=0;\r\n\t\tbg_blue=0;\r\n\t\ty=0;\r\n\t\tshow_info=false;\r\n"
                           "\t\tshuffle=false;\r\n\t\tlast_photo=;\r\n\t[/Program]",
                           "\t[Extra]\r\n\t\te=2;\r\n\t[/Extra]\r\n\t[Scene]\r\n\t\tflip_time=400;\r\n", "[/Configuration]\r\ntop=3;"})
    EXPECT_TRUE(contains(written, part)) << part;
  EXPECT_FALSE(contains(written, "#"));
  EXPECT_TRUE(writeSettings());  // which stores the converted values and keeps the rest
  for (const char* part : {"\t\tfull_screen=true;\r\n", "[Mine]\r\n\ta=1;", "\t\t\tk=v;", "\t\te=2;", "]\r\ntop=3;"})
    EXPECT_TRUE(contains(storage.files["./config.conf"], part)) << part;
}

TEST(SettingsFile, HurtfulNumbersAreRepairedInTheFileAndValuesInRangeKeepTheirText) {
  // Section, key, pairs of the value written by hand and the text the file holds once it is read.
  const char* const rows[][3] = {
      {"Graphics", "cache_level", "-1 4 1000000 60 9 12 60 60"}, {"Graphics", "texture_size", "100000 0 32 0 64 64"},
      {"Scene", "flip_time", "99 100 100 100"}, {"Graphics", "opacity", "500 100 -20 0 100 100"},
      {"Program", "bg_red", "999 255"}, {"Program", "bg_green", "-1 0"}, {"Program", "bg_blue", "255 255"},
      {"Graphics", "bits", "7 24 16 16 +32 +32"}};
  MemoryStorage storage;
  for (const auto& [section, key, pairs] : rows) {
    std::istringstream values(pairs);
    for (std::string written, kept; values >> written >> kept;) {
      readConfig(storage, std::string("[Configuration][") + section + "]" + key + "=" + written + ";[/][/]");
      // Then written back from the record: the same number.
      for (const std::string& value : {kept, std::to_string(decimalValue(kept.c_str()))}) {
        EXPECT_TRUE(contains(storage.files["./config.conf"], "\t\t" + std::string(key) + "=" + value + ";\r\n"))
            << key << "=" << written;
        EXPECT_TRUE(writeSettings());
      }
    }
  }
}

TEST(SettingsFile, TextureSizeNotChosenFollowsTheScreenWithinTheDriver) {
  // {setting, driver maximum, screen side, settled}: not chosen, the screen's longer side rounded
  // up to a power of two from 1024, at most half the driver's; chosen sizes stay, also above the
  // screen's; sizes the driver cannot take or that are no power of two count as not chosen; and
  // no side overflows.
  const int32_t rows[][4] = {{0, 2048, 1024, 1024},    {0, 8192, 1024, 1024},       {0, 2048, 1920, 1024},
                             {0, 8192, 1920, 2048},    {0, 8192, 2560, 4096},       {0, 32768, 3840, 4096},
                             {512, 4096, 1920, 512},   {16384, 16384, 1024, 16384}, {64, 16384, 3840, 64},
                             {8192, 4096, 3840, 2048}, {100, 16384, 1024, 1024},    {0, 16384, 640, 1024},
                             {0, 1024, 3840, 512},     {0, 32768, INT32_MAX, 16384}};
  for (const auto& [size, most, screen, want] : rows) EXPECT_EQ(settledTextureSize(size, most, screen), want) << size;
}

TEST(SettingsFile, PositionIsKeptOnlyWhenRemembered) {
  MemoryStorage storage;
  for (bool remembered : {false, true}) {
    readConfig(storage,
               std::string("[Configuration][Program]last_position=") + (remembered ? "true" : "false") +
                   ";x=5;y=6;bg_red=7;photo_dir=P;language=L;[/Program][Sound]music_dir=M;[/Sound][/Configuration]",
               1281, 1024);
    // Else centred.
    EXPECT_EQ(std::tuple(settings.windowX, settings.windowY, settings.windowWidth, settings.windowHeight),
              std::tuple(remembered ? 5 : (1281 - 450) / 2, remembered ? 6 : (1024 - 370) / 2, 450, 370));
    // The other keys are read either way.
    EXPECT_EQ(std::to_string(settings.bgRed) + settings.photoDir + settings.language + settings.musicDir, "7PLM");
    settings.windowX = 77;
    settings.windowY = 88;
    EXPECT_TRUE(writeSettings());
    const char* position = remembered ? "\t\tx=77;\r\n\t\ty=88;\r\n" : "\t\tx=5;\r\n\t\ty=6;\r\n";
    EXPECT_TRUE(contains(storage.files["./config.conf"], position)) << position;
  }
}

TEST(SettingsFile, UnparsableFileIsKeptAsBackupBeforeItIsRewritten) {
  MemoryStorage storage;
  const std::string original = "[Configuration][Program]language=cz;[/Wrong]recursive=true;[/Program][/Configuration]";
  readConfig(storage, original);
  EXPECT_STREQ(settings.language, "cz");  // read before the error
  EXPECT_FALSE(settings.recursive);       // after it: the default
  EXPECT_EQ(storage.files["./config.conf.bak"], original);
  storage.files["./config.conf.bak"] = "older";
  readFresh();  // the rewritten file parses: the backup stays
  EXPECT_EQ(storage.files["./config.conf.bak"], "older");
  readConfig(storage, "");  // an empty file is no error
  EXPECT_EQ(storage.files["./config.conf.bak"], "older");
}

TEST(SettingsFile, FailedWriteLeavesTheOldFileWhole) {
  ScratchFolder folder;
  readFresh();
  const std::string original = readBytes("config.conf");
  settings.recursive = true;
  // A full disk: the new content goes to a temporary file that takes no bytes.
  std::filesystem::create_symlink("/dev/full", "config.conf.tmp");
  EXPECT_FALSE(writeSettings());
  EXPECT_EQ(readBytes("config.conf"), original);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status("config.conf.tmp")));
  EXPECT_TRUE(writeSettings());
  EXPECT_TRUE(contains(readBytes("config.conf"), "recursive=true;"));
  // A config.conf that cannot be replaced (here a folder of that name) is reported.
  std::filesystem::remove("config.conf");
  std::filesystem::create_directories("config.conf/inside");
  EXPECT_FALSE(writeSettings());
}

TEST(SettingsFile, AFileWrittenBeforeIsReadAndKeptByteForByteButForNewKeys) {
  // Paths in code page 1250: "C:\Users\Jiří\Obrázky" and "E:\Hudba\Čechomor".
  const std::string earlier =
      "[Configuration]\r\n\t[Program]\r\n\t\trecursive=true;\r\n\t\tfull_screen=false;\r\n\t\tlast_position=true;\r\n"
      "\t\tcheck_updates=true;\r\n\t\tbg_red=10;\r\n\t\tbg_green=20;\r\n\t\tbg_blue=30;\r\n\t\tx=120;\r\n\t\ty=80;\r\n"
      "\t\tphoto_dir=\"C:\\\\Users\\\\Ji\xF8\xED\\\\Obr\xE1zky\";\r\n\t\tlanguage=cz;\r\n\t[/Program]\r\n\t[Scene]\r\n"
      "\t\tphoto_names=true;\r\n\t\tflip_time=500;\r\n\t[/Scene]\r\n\t[Graphics]\r\n\t\tbits=32;\r\n\t\topacity=10;\r\n"
      "\t\tcache_level=12;\r\n\t\ttexture_size=1024;\r\n\t\tsmoothing=false;\r\n\t[/Graphics]\r\n\t[Sound]\r\n"
      "\t\tmusic_dir=\"E:\\\\Hudba\\\\\xC8" "echomor\";\r\n\t\tmusic=true;\r\n\t[/Sound]\r\n\t[Effects]\r\n"
      "\t\teffect=1112;\r\n\t[/Effects]\r\n[/Configuration]\r\n";
  MemoryStorage storage;
  readConfig(storage, earlier);
  // In memory they are UTF-8, as every path inside Ovix.
  EXPECT_EQ(std::string(settings.photoDir) + "|" + settings.musicDir,
            "C:\\Users\\Ji\xC5\x99\xC3\xAD\\Obr\xC3\xA1zky|E:\\Hudba\\\xC4\x8C" "echomor");
  // Reading rewrites it unchanged but for the keys earlier Ovix did not have, which it ignores.
  std::string kept = earlier;
  kept.insert(kept.find("\t[/Program]"), "\t\tshow_info=false;\r\n\t\tshuffle=false;\r\n\t\tlast_photo=;\r\n");
  EXPECT_EQ(storage.files["./config.conf"], kept);
  EXPECT_TRUE(writeSettings());
  EXPECT_EQ(storage.files["./config.conf"], kept);

  // A UTF-8 path is held in code page 1250 when that can hold it; "C:\Фото" is kept as it is, and
  // a path of 300 Cyrillic letters is kept to the 255 whole letters the folder fields take.
  std::string cyrillic;
  for (int i = 0; i < 300; ++i) cyrillic += "\xD0\x96";
  const std::string photos = "C:\\\\\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE";
  const std::pair<std::string, std::string> rows[] = {{"C:\\\\Ji\xC5\x99\xC3\xAD", "\"C:\\\\Ji\xF8\xED\""},
                                                      {photos, '"' + photos + '"'},
                                                      {cyrillic, cyrillic.substr(0, 255 * 2)}};
  for (const std::string key : {"photo_dir=", "last_photo="})  // the last photo's path too
    for (const auto& [written, kept] : rows) {
      readConfig(storage, "[Configuration][Program]" + key + "\"" + written + "\";[/Program][/Configuration]");
      EXPECT_TRUE(writeSettings());
      EXPECT_TRUE(contains(storage.files["./config.conf"], key + kept + ";")) << key << kept;
    }
}
