#include "structure/language.h"

#include <cstdio>

#include "structure/settings.h"
#include "structure/structure.h"

Language::Language() = default;
Language::~Language() = default;

std::string Language::text(const char* key) {
  if (!section || !key) return std::string();
  Structure* node = section->child(key, true);
  if (!node) return std::string();
  if (!node->hasValue()) node->setValue("");
  return node->value();
}

std::unique_ptr<Language> openLanguage(std::initializer_list<const char*> sectionPath) {
  auto language = std::make_unique<Language>();
  char path[64];
  snprintf(path, sizeof path, "./languages/%s.lang", settings.language);
  language->tree = std::make_unique<Structure>();
  language->tree->setType(3);
  language->tree->load(path);  // a parse error leaves the texts read before it
  Structure* section = language->tree.get();
  for (const char* name : sectionPath) {
    section = section->findChild(name, 0);
    if (!section) break;
  }
  language->section = section;
  return language;
}
