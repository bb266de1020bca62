// config.conf: defaults, conversions, keeping what Ovix does not know, and never losing the
// old file to a failed or interrupted write.
#include <gtest/gtest.h>

#include <cstring>

#include "scratch_folder.h"
#include "structure/settings_file.h"
#include "structure/structure_storage.h"

namespace {
// What Ovix writes when it starts without a config.conf (or with an empty one).
const char defaultConfig[] =
    "[Configuration]\r\n"
    "\t[Program]\r\n"
    "\t\trecursive=false;\r\n"
    "\t\tfull_screen=true;\r\n"
    "\t\tlast_position=true;\r\n"
    "\t\tcheck_updates=true;\r\n"
    "\t\tbg_red=0;\r\n"
    "\t\tbg_green=0;\r\n"
    "\t\tbg_blue=0;\r\n"
    "\t\tx=0;\r\n"
    "\t\ty=0;\r\n"
    "\t\tphoto_dir=;\r\n"
    "\t\tlanguage=en;\r\n"
    "\t[/Program]\r\n"
    "\t[Scene]\r\n"
    "\t\tphoto_names=false;\r\n"
    "\t\tflip_time=400;\r\n"
    "\t[/Scene]\r\n"
    "\t[Graphics]\r\n"
    "\t\tbits=24;\r\n"
    "\t\topacity=0;\r\n"
    "\t\tcache_level=8;\r\n"
    "\t\ttexture_size=0;\r\n"
    "\t\tsmoothing=true;\r\n"
    "\t[/Graphics]\r\n"
    "\t[Sound]\r\n"
    "\t\tmusic_dir=;\r\n"
    "\t\tmusic=false;\r\n"
    "\t[/Sound]\r\n"
    "\t[Effects]\r\n"
    "\t\teffect=1111;\r\n"
    "\t[/Effects]\r\n"
    "[/Configuration]\r\n";

SettingsEnvironment screen(int width, int height) {
  SettingsEnvironment environment;
  environment.screenWidth = width;
  environment.screenHeight = height;
  return environment;
}

void readFresh(const SettingsEnvironment& environment = screen(1024, 768)) {
  settings = Settings();
  readSettings(environment);
}

// The file system, except that every new file fails after `allowed` bytes, as on a full disk.
class FullDisk : public StructureStorage {
public:
  explicit FullDisk(size_t allowed) : allowed(allowed), real(*setStructureStorage(nullptr)) {
    setStructureStorage(this);
  }
  ~FullDisk() override { setStructureStorage(nullptr); }
  bool enterDirectory(const std::string& directory, std::string& saved) override {
    return real.enterDirectory(directory, saved);
  }
  void leaveDirectory(const std::string& saved) override { real.leaveDirectory(saved); }
  std::unique_ptr<StructureInput> openInput(const std::string& path) override { return real.openInput(path); }
  std::unique_ptr<PendingFile> createOutput(const std::string& path) override {
    struct Limited : PendingFile {
      std::unique_ptr<PendingFile> file;
      size_t left;
      bool put(const char* data, size_t length) override {
        if (length > left) return false;
        left -= length;
        return file->put(data, length);
      }
      bool commit() override { return file->commit(); }
    };
    auto limited = std::make_unique<Limited>();
    limited->file = real.createOutput(path);
    if (!limited->file) return nullptr;
    limited->left = allowed;
    return limited;
  }

private:
  size_t allowed;
  StructureStorage& real;
};
}  // namespace

TEST(SettingsFile, MissingAndEmptyFilesGiveDefaultsAndACompleteFile) {
  for (bool empty : {false, true}) {
    ScratchFolder folder;
    if (empty) writeBytes("config.conf", "");
    readFresh();
    EXPECT_EQ(readBytes("config.conf"), defaultConfig) << "empty file: " << empty;
    EXPECT_FALSE(settings.recursive);
    EXPECT_TRUE(settings.fullScreen);
    EXPECT_STREQ(settings.language, "en");
    EXPECT_EQ(settings.flipTime, 400);
    EXPECT_EQ(settings.effect, 1111);
    EXPECT_EQ(settings.windowWidth, 450);
    EXPECT_FALSE(exists("config.conf.bak"));
    EXPECT_FALSE(exists("config.conf.tmp"));
  }
}

TEST(SettingsFile, ValuesAreConverted) {
  ScratchFolder folder;
  writeBytes("config.conf",
             "[Configuration][Program]full_screen=TRUE;recursive=1;check_updates=yes;bg_red=12abc;"
             "bg_green=  -3;bg_blue=x7;x=99999999999;y=-40;[/Program]"
             "[Graphics]smoothing=tRuE;opacity=300;bits=+16;[/Graphics][/Configuration]");
  readFresh();
  EXPECT_TRUE(settings.fullScreen);
  EXPECT_FALSE(settings.recursive);
  EXPECT_FALSE(settings.checkUpdates);
  EXPECT_TRUE(settings.smoothing);
  EXPECT_EQ(settings.bgRed, 12u);
  EXPECT_EQ(static_cast<int32_t>(settings.bgGreen), -3);
  EXPECT_EQ(settings.bgBlue, 0u);
  EXPECT_EQ(settings.windowX, INT32_MAX);
  EXPECT_EQ(settings.windowY, -40);
  EXPECT_EQ(settings.opacity, 300 & 0xFF);
  EXPECT_EQ(settings.bits, 16);
  // Reading rewrites the file in the writer's form with the values as given.
  std::string written = readBytes("config.conf");
  EXPECT_NE(written.find("\t\tfull_screen=TRUE;\r\n"), std::string::npos);
  EXPECT_NE(written.find("\t\tbg_red=12abc;\r\n"), std::string::npos);
  // Writing stores the converted values.
  EXPECT_TRUE(writeSettings());
  written = readBytes("config.conf");
  EXPECT_NE(written.find("\t\tfull_screen=true;\r\n"), std::string::npos);
  EXPECT_NE(written.find("\t\tbg_green=-3;\r\n"), std::string::npos);
  EXPECT_NE(written.find("\t\topacity=44;\r\n"), std::string::npos);
}

TEST(SettingsFile, HandEditedFileIsReadAndRewrittenInTheWritersForm) {
  ScratchFolder folder;
  writeBytes("config.conf",
             "# my settings\r\n"
             "[ Configuration ]\r\n"
             "  [Program]   # the program\r\n"
             "     language = cz ;  photo_dir = \"C:\\\\My Photos\" ;\r\n"
             "     last_position =\r\n false\r\n;\r\n"
             "  [/Program]\r\n"
             "\r\n"
             "  [Sound] music = true; [/]\r\n"
             "[/Configuration]\r\n");
  readFresh();
  EXPECT_STREQ(settings.language, "cz");
  EXPECT_STREQ(settings.photoDir, "C:\\My Photos");
  EXPECT_TRUE(settings.music);
  EXPECT_FALSE(settings.lastPosition);
  // Keys present keep their place; the missing ones follow in the usual order.
  std::string written = readBytes("config.conf");
  EXPECT_EQ(written.substr(0, written.find("\t[/Program]")),
            "[Configuration]\r\n\t[Program]\r\n\t\tlanguage=cz;\r\n\t\tphoto_dir=\"C:\\\\My Photos\";\r\n"
            "\t\tlast_position=false;\r\n\t\trecursive=false;\r\n\t\tfull_screen=true;\r\n"
            "\t\tcheck_updates=true;\r\n\t\tbg_red=0;\r\n\t\tbg_green=0;\r\n\t\tbg_blue=0;\r\n");
  // The Sound section stood before Scene and Graphics, and stays there.
  EXPECT_LT(written.find("\t[Sound]"), written.find("\t[Scene]"));
  EXPECT_EQ(written.find('#'), std::string::npos);
}

TEST(SettingsFile, WindowIsCentredAndPositionUntouchedWhenNotRemembered) {
  ScratchFolder folder;
  writeBytes("config.conf", "[Configuration][Program]last_position=false;x=5;[/Program][/Configuration]");
  readFresh(screen(1280, 1024));
  EXPECT_EQ(settings.windowX, (1280 - 450) / 2);
  EXPECT_EQ(settings.windowY, (1024 - 370) / 2);
  settings.windowX = 77;
  EXPECT_TRUE(writeSettings());
  std::string written = readBytes("config.conf");
  EXPECT_NE(written.find("\t\tx=5;\r\n"), std::string::npos);
  EXPECT_EQ(written.find("\t\ty="), std::string::npos);

  // Remembered: read, and written back as changed.
  writeBytes("config.conf", "[Configuration][Program]x=5;y=6;[/Program][/Configuration]");
  readFresh(screen(1280, 1024));
  EXPECT_EQ(settings.windowX, 5);
  EXPECT_EQ(settings.windowY, 6);
  settings.windowX = 77;
  EXPECT_TRUE(writeSettings());
  EXPECT_NE(readBytes("config.conf").find("\t\tx=77;\r\n"), std::string::npos);
}

TEST(SettingsFile, UnknownSectionsAndKeysSurviveInPlace) {
  ScratchFolder folder;
  const char* original =
      "[Mine]a=1;[/Mine]"
      "[Configuration][Program]own=\"kept value\";recursive=true;[Deep]k=v;[/Deep][/Program]"
      "[Extra]e=2;[/Extra][/Configuration]"
      "top=3;";
  writeBytes("config.conf", original);
  readFresh();
  settings.textureSize = 2048;  // chosen when OpenGL started
  EXPECT_TRUE(writeSettings());
  std::string written = readBytes("config.conf");
  const char* kept[] = {"[Mine]\r\n\ta=1;\r\n[/Mine]\r\n[Configuration]\r\n\t[Program]\r\n\t\town=\"kept value\";\r\n"
                        "\t\trecursive=true;\r\n\t\t[Deep]\r\n\t\t\tk=v;\r\n\t\t[/Deep]\r\n",
                        "\t[Extra]\r\n\t\te=2;\r\n\t[/Extra]\r\n", "top=3;\r\n", "\t\ttexture_size=2048;\r\n"};
  for (const char* part : kept) EXPECT_NE(written.find(part), std::string::npos) << part;
  EXPECT_LT(written.find("[Extra]"), written.find("[Scene]"));
}

TEST(SettingsFile, KeyStoredAsSectionBecomesAKeyWithItsDefault) {
  ScratchFolder folder;
  writeBytes("config.conf", "[Configuration][Scene][flip_time]x=1;[/flip_time][/Scene][/Configuration]");
  readFresh();
  EXPECT_EQ(settings.flipTime, 400);
  EXPECT_NE(readBytes("config.conf").find("\t\tflip_time=400;\r\n"), std::string::npos);
  EXPECT_EQ(readBytes("config.conf").find("x=1"), std::string::npos);
}

TEST(SettingsFile, TextsAreKeptWholeUpToTheirLimitAndCutBeyond) {
  ScratchFolder folder;
  std::string folder255(255, 'p'), folder300(300, 'm');
  writeBytes("config.conf", "[Configuration][Program]language=abcdefghijk;photo_dir=" + folder255 +
                                ";[/Program][Sound]music_dir=" + folder300 + ";[/Sound][/Configuration]");
  readFresh();
  EXPECT_STREQ(settings.language, "abcdefghijk");
  EXPECT_EQ(settings.photoDir, folder255);
  EXPECT_EQ(settings.musicDir, folder300.substr(0, 255));
  EXPECT_TRUE(writeSettings());
  readFresh();
  EXPECT_STREQ(settings.language, "abcdefghijk");
  EXPECT_EQ(settings.photoDir, folder255);
}

TEST(SettingsFile, UnparsableFileIsKeptAsBackupBeforeItIsRewritten) {
  ScratchFolder folder;
  const std::string original =
      "[Configuration][Program]language=cz;[/Wrong]recursive=true;[/Program][/Configuration]\r\n";
  writeBytes("config.conf", original);
  readFresh();
  EXPECT_STREQ(settings.language, "cz");  // read before the error
  EXPECT_FALSE(settings.recursive);       // after it: the default
  EXPECT_EQ(readBytes("config.conf.bak"), original);
  // The rewritten file parses again: the next start leaves the backup alone.
  writeBytes("config.conf.bak", "older");
  readFresh();
  EXPECT_EQ(readBytes("config.conf.bak"), "older");
}

TEST(SettingsFile, FailedWriteLeavesTheOldFileWhole) {
  ScratchFolder folder;
  writeBytes("config.conf", defaultConfig);
  readFresh();
  settings.recursive = true;
  for (size_t allowed : {size_t(0), size_t(40), sizeof defaultConfig - 30}) {
    FullDisk disk(allowed);
    EXPECT_FALSE(writeSettings()) << allowed;
    EXPECT_EQ(readBytes("config.conf"), defaultConfig) << allowed;
  }
  EXPECT_FALSE(exists("config.conf.tmp"));
  // A config.conf that cannot be replaced (here a folder of that name) is reported.
  std::filesystem::remove("config.conf");
  std::filesystem::create_directories("config.conf/inside");
  EXPECT_FALSE(writeSettings());
  EXPECT_TRUE(std::filesystem::is_directory("config.conf"));
}
