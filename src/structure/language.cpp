#include "structure/language.h"

#include "structure/settings.h"
#include "structure/structure.h"
#include "structure/structure_reader.h"
#include "structure/structure_storage.h"

Language::Language() = default;
Language::~Language() = default;

std::string Language::text(const char* key) {
  if (!section || !key) return std::string();
  Structure* node = section->child(key, true);
  if (!node) return std::string();
  if (!node->hasValue()) node->setValue("");
  return node->value();
}

namespace {
// What keeps Ovix usable when no language file can be read at all.
const char builtInTexts[] =
    "[Windows]"
    "[General]cancel=Cancel;choose=\"Choose...\";[/General]"
    "[Open]title=\"Open photos\";run=Start;[/Open]"
    "[Config]title=Configuration;program=Program;scene=Scene;graphics=Graphics;sound=Sound;"
    "effects=Effects;save=Save;help=Help;[/Config]"
    "[Help]title=Help;[/Help]"
    "[About]title=\"About Ovix\";[/About]"
    "[Msg]yes=Yes;no=No;ok=OK;[/Msg]"
    "[Save]title=\"Not saved\";text=\"Your settings could not be saved. Ovix keeps them until it "
    "ends. The file:\";[/Save]"
    "[Memory]title=\"Not enough memory!\";text=\"Ovix does not have enough memory to load the photos. "
    "Close all other programs that may take up much memory and start Ovix again.\";[/Memory]"
    "[Update]title=\"New version\";[/Update]"
    "[/Windows]"
    "[Scene]no_photos=\"No photos in this folder\";[/Scene]";

// Loads the first language file there is into `tree`; false when there is none.
bool loadLanguageFile(Structure& tree) {
  const char* const candidates[] = {isLanguageName(settings.language) ? settings.language : nullptr, "en", "cz"};
  for (const char* name : candidates) {
    if (!name) continue;
    const std::string path = std::string("./languages/") + name + ".lang";
    if (!structureStorage().openInput(path)) continue;
    tree.load(path.c_str());  // a parse error leaves the texts read before it
    return true;
  }
  return false;
}
}  // namespace

bool isLanguageName(const char* name) {
  if (!name || !*name) return false;
  for (const char* c = name; *c; ++c) {
    const bool letter = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z');
    if (!letter && !(*c >= '0' && *c <= '9') && *c != '-' && *c != '_') return false;
  }
  return true;
}

std::unique_ptr<Language> openLanguage(std::initializer_list<const char*> sectionPath) {
  auto language = std::make_unique<Language>();
  language->tree = std::make_unique<Structure>();
  language->tree->setType(Structure::standardType);
  if (!loadLanguageFile(*language->tree))
    StructureReader(*language->tree).read(builtInTexts, sizeof builtInTexts - 1);
  Structure* section = language->tree.get();
  for (const char* name : sectionPath) {
    section = section->findChild(name, 0);
    if (!section) break;
  }
  language->section = section;
  return language;
}
