#include "structure/settings_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "structure/path_encoding.h"
#include "structure/structure.h"
#include "structure/structure_storage.h"

namespace {
const char configPath[] = "./config.conf";
const char backupPath[] = "./config.conf.bak";

enum Section { program, scene, graphics, sound, effects, sectionCount };
const char* const sectionNames[sectionCount] = {"Program", "Scene", "Graphics", "Sound", "Effects"};

// A path is a text that config.conf may hold in UTF-8 or in code page 1250 (path_encoding.h).
enum Kind { boolean, integer, unsignedInteger, byte, text, path };

bool isPowerOfTwo(int32_t value) { return value > 0 && (value & (value - 1)) == 0; }
int32_t clamped(int32_t value, int32_t low, int32_t high) { return std::min(std::max(value, low), high); }

// Repairs of hand-edited values that would hurt: each gives the value to use for what was read.
int32_t colourChannel(int32_t value) { return clamped(value, 0, 255); }
int32_t percentage(int32_t value) { return clamped(value, 0, 100); }
// At least one second between photos, as the configuration dialog's lowest choice.
int32_t slideInterval(int32_t value) { return std::max(value, 100); }
int32_t colourDepth(int32_t value) { return value == 16 || value == 24 || value == 32 ? value : 24; }
// Whole groups of four (rounded up, as the photo window holds them) within 4 to 60.
int32_t photosKept(int32_t value) { return (clamped(value, 4, 60) + 3) / 4 * 4; }
// 0 (not chosen yet) or a power of two from 64 on; anything else means 0. The driver's
// maximum is not known yet: settledTextureSize applies it once OpenGL runs.
int32_t textureSide(int32_t value) { return value >= 64 && isPowerOfTwo(value) ? value : 0; }

// One key of config.conf and the field it fills, in the order of a new file.
struct Entry {
  Section section;
  const char* key;
  Kind kind;
  const char* defaultText;
  void* field;
  int32_t (*repair)(int32_t) = nullptr;  // for numbers: the value kept for what was read
  bool position = false;  // read and written only while the position is remembered
  size_t textSize = 0;    // for texts and paths: the field's size, terminating zero included
};

const Entry entries[] = {
    {program, "recursive", boolean, "false", &settings.recursive},
    {program, "full_screen", boolean, "true", &settings.fullScreen},
    {program, "last_position", boolean, "true", &settings.lastPosition},
    {program, "check_updates", boolean, "true", &settings.checkUpdates},
    {program, "bg_red", unsignedInteger, "0", &settings.bgRed, colourChannel},
    {program, "bg_green", unsignedInteger, "0", &settings.bgGreen, colourChannel},
    {program, "bg_blue", unsignedInteger, "0", &settings.bgBlue, colourChannel},
    {program, "x", integer, "0", &settings.windowX, nullptr, true},
    {program, "y", integer, "0", &settings.windowY, nullptr, true},
    {program, "photo_dir", path, "", settings.photoDir, nullptr, false, sizeof settings.photoDir},
    {program, "language", text, "en", settings.language, nullptr, false, sizeof settings.language},
    {program, "show_info", boolean, "false", &settings.showInfo},
    {program, "shuffle", boolean, "false", &settings.shuffle},
    {program, "last_photo", path, "", settings.lastPhoto, nullptr, false, sizeof settings.lastPhoto},
    {scene, "photo_names", boolean, "false", &settings.photoNames},
    {scene, "flip_time", integer, "400", &settings.flipTime, slideInterval},
    {graphics, "bits", integer, "24", &settings.bits, colourDepth},
    {graphics, "opacity", byte, "0", &settings.opacity, percentage},
    {graphics, "cache_level", integer, "8", &settings.cacheLevel, photosKept},
    {graphics, "texture_size", integer, "0", &settings.textureSize, textureSide},
    {graphics, "smoothing", boolean, "true", &settings.smoothing},
    {sound, "music_dir", path, "", settings.musicDir, nullptr, false, sizeof settings.musicDir},
    {sound, "music", boolean, "false", &settings.music},
    {effects, "effect", integer, "1111", &settings.effect},
};

// The UTF-8 path the settings hold for a path value, cut to the 255 characters the folder
// fields take (whole characters: a cut UTF-8 sequence would name no file at all).
std::string settingsPath(const char* value) { return fitSettingsPath(pathFromConfigValue(value)); }

// Fills the entry's field from its key; true when the number read had to be repaired.
bool fillField(const Entry& entry, const Structure& key) {
  const char* value = key.value() ? key.value() : "";
  const int32_t number = decimalValue(value);
  const int32_t kept = entry.repair ? entry.repair(number) : number;
  switch (entry.kind) {
    case boolean: *static_cast<bool*>(entry.field) = key.isTrue(); break;
    case integer: *static_cast<int32_t*>(entry.field) = kept; break;
    case unsignedInteger: *static_cast<uint32_t*>(entry.field) = static_cast<uint32_t>(kept); break;
    case byte: *static_cast<uint8_t*>(entry.field) = static_cast<uint8_t>(kept); break;
    case text: snprintf(static_cast<char*>(entry.field), entry.textSize, "%s", value); break;  // cut at the limit
    case path: snprintf(static_cast<char*>(entry.field), entry.textSize, "%s", settingsPath(value).c_str()); break;
  }
  return kept != number;
}

std::string fieldText(const Entry& entry) {
  switch (entry.kind) {
    case boolean: return *static_cast<const bool*>(entry.field) ? "true" : "false";
    case integer: return std::to_string(*static_cast<const int32_t*>(entry.field));
    case unsignedInteger: return std::to_string(*static_cast<const uint32_t*>(entry.field));
    case byte: return std::to_string(*static_cast<const uint8_t*>(entry.field));
    case text: break;
    case path: return configValueFromPath(static_cast<const char*>(entry.field));
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
  root.setType(Structure::standardType);
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
    Structure* key = sections[entry.section]->valueOr(entry.key, entry.defaultText);
    // A repaired value replaces the hurtful one in the file; values kept keep their text.
    if (key && fillField(entry, *key)) key->setValue(fieldText(entry));
  }
  if (!settings.lastPosition) {
    settings.windowX = (environment.screenWidth - 450) / 2;
    settings.windowY = (environment.screenHeight - 370) / 2;
  }
  root.save();  // the file now lists every key
}

int32_t settledTextureSize(int32_t textureSize, int32_t driverMaximum, int32_t screenSide) {
  if (textureSide(textureSize) != 0 && textureSize <= driverMaximum) return textureSize;
  // A photo is never drawn larger than the screen, so more texels than its longer side only
  // cost memory: with today's drivers half the maximum kept 10 to 40 times the screen's pixels.
  int32_t size = 1024;
  while (size < screenSide && size < (1 << 30)) size *= 2;
  return std::min(size, driverMaximum / 2);
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
