#include "structure/settings_file.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "structure/structure.h"
#include "structure/structure_storage.h"

namespace {
const char configPath[] = "./config.conf";
const char backupPath[] = "./config.conf.bak";

enum Section { program, scene, graphics, sound, effects, sectionCount };
const char* const sectionNames[sectionCount] = {"Program", "Scene", "Graphics", "Sound", "Effects"};

enum Kind { boolean, integer, unsignedInteger, lowByte, text };

// One key of config.conf and the field it fills, in the order of a new file.
struct Entry {
  Section section;
  const char* key;
  Kind kind;
  const char* defaultText;
  void* field;
  size_t textSize;        // for texts: the field's size, terminating zero included
  bool position = false;  // read and written only while the position is remembered
};

const Entry entries[] = {
    {program, "recursive", boolean, "false", &settings.recursive, 0},
    {program, "full_screen", boolean, "true", &settings.fullScreen, 0},
    {program, "last_position", boolean, "true", &settings.lastPosition, 0},
    {program, "check_updates", boolean, "true", &settings.checkUpdates, 0},
    {program, "bg_red", unsignedInteger, "0", &settings.bgRed, 0},
    {program, "bg_green", unsignedInteger, "0", &settings.bgGreen, 0},
    {program, "bg_blue", unsignedInteger, "0", &settings.bgBlue, 0},
    {program, "x", integer, "0", &settings.windowX, 0, true},
    {program, "y", integer, "0", &settings.windowY, 0, true},
    {program, "photo_dir", text, "", settings.photoDir, sizeof settings.photoDir},
    {program, "language", text, "en", settings.language, sizeof settings.language},
    {scene, "photo_names", boolean, "false", &settings.photoNames, 0},
    {scene, "flip_time", integer, "400", &settings.flipTime, 0},
    {graphics, "bits", integer, "24", &settings.bits, 0},
    {graphics, "opacity", lowByte, "0", &settings.opacity, 0},
    {graphics, "cache_level", integer, "8", &settings.cacheLevel, 0},
    {graphics, "texture_size", integer, "0", &settings.textureSize, 0},
    {graphics, "smoothing", boolean, "true", &settings.smoothing, 0},
    {sound, "music_dir", text, "", settings.musicDir, sizeof settings.musicDir},
    {sound, "music", boolean, "false", &settings.music, 0},
    {effects, "effect", integer, "1111", &settings.effect, 0},
};

void fillField(const Entry& entry, const Structure& key) {
  const char* value = key.value() ? key.value() : "";
  switch (entry.kind) {
    case boolean: *static_cast<bool*>(entry.field) = key.isTrue(); break;
    case integer: *static_cast<int32_t*>(entry.field) = decimalValue(value); break;
    case unsignedInteger: *static_cast<uint32_t*>(entry.field) = static_cast<uint32_t>(decimalValue(value)); break;
    case lowByte: *static_cast<uint8_t*>(entry.field) = static_cast<uint8_t>(decimalValue(value) & 0xFF); break;
    case text: snprintf(static_cast<char*>(entry.field), entry.textSize, "%s", value); break;  // cut at the limit
  }
}

std::string fieldText(const Entry& entry) {
  switch (entry.kind) {
    case boolean: return *static_cast<const bool*>(entry.field) ? "true" : "false";
    case integer: return std::to_string(*static_cast<const int32_t*>(entry.field));
    // Written as read, so that a hand-edited -1 stays -1.
    case unsignedInteger: return std::to_string(static_cast<int32_t>(*static_cast<const uint32_t*>(entry.field)));
    case lowByte: return std::to_string(*static_cast<const uint8_t*>(entry.field));
    case text: break;
  }
  return static_cast<const char*>(entry.field);
}

// Copies the file's bytes as they are to the backup, replacing an older backup whole.
void keepUnreadableConfig() {
  std::unique_ptr<StructureInput> input = structureStorage().openInput(configPath);
  if (!input) return;
  std::unique_ptr<PendingFile> backup = structureStorage().createOutput(backupPath);
  if (!backup) return;
  char block[4096];
  while (size_t count = input->get(block, sizeof block))
    if (!backup->put(block, count)) return;
  input.reset();
  backup->commit();
}

// Reads config.conf into `root` (a missing file gives an empty tree). A file that does not
// parse is kept as config.conf.bak first: rewriting it from what was read would lose
// everything after the error.
void loadConfig(Structure& root) {
  root.setType(3);
  if (!root.load(configPath)) keepUnreadableConfig();
}

// The sections Program ... Effects inside Configuration, each found or appended.
void openSections(Structure& root, Structure* sections[sectionCount]) {
  Structure* configuration = root.child("Configuration", true);
  for (int i = 0; i < sectionCount; ++i) sections[i] = configuration->child(sectionNames[i], true);
}
}  // namespace

void readSettings(const SettingsEnvironment& environment) {
  Structure root;
  loadConfig(root);
  Structure* sections[sectionCount];
  openSections(root, sections);
  settings.dialogFont = environment.dialogFont;
  settings.windowWidth = 450;
  settings.windowHeight = 370;
  for (const Entry& entry : entries) {
    // "last_position" comes before "x" and "y", so it is already read here.
    if (entry.position && !settings.lastPosition) continue;
    if (Structure* key = sections[entry.section]->valueOr(entry.key, entry.defaultText)) fillField(entry, *key);
  }
  if (!settings.lastPosition) {
    settings.windowX = (environment.screenWidth - 450) / 2;
    settings.windowY = (environment.screenHeight - 370) / 2;
  }
  root.save();  // the file now lists every key
}

bool writeSettings() {
  Structure root;
  loadConfig(root);
  Structure* sections[sectionCount];
  openSections(root, sections);
  for (const Entry& entry : entries) {
    if (entry.position && !settings.lastPosition) continue;
    sections[entry.section]->setChildValue(entry.key, fieldText(entry).c_str());
  }
  return root.save();
}
