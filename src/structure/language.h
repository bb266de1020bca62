#pragma once
// Texts of the user interface, looked up by section path and key in the language file
// "./languages/<language setting>.lang". A missing file, section or key is never an error:
// the text is simply empty.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class Structure;

class Language {
public:
  Language();
  ~Language();

  // The key's text in this Language's section: a copy the caller owns. Empty when there is no
  // section or the key has no value; a missing key is added, empty, to this Language's own tree.
  std::string text(const char* key);

  std::unique_ptr<Structure> tree;  // the whole file, read afresh for each Language
  Structure* section = nullptr;     // the selected section inside `tree`, or none
};

// Reads the language file and selects the section path, e.g. {"Windows", "Open"}. Never none.
// The file is that of the `language` setting; when the setting is no language name or its file
// is missing, en.lang, then cz.lang; with none of them, built-in English texts for the
// dialogs' buttons and titles. A missing section gives a Language whose texts are all empty.
std::unique_ptr<Language> openLanguage(std::initializer_list<const char*> sectionPath);

// True when `name` can name a file of the languages folder: one or more ASCII letters, digits,
// "-" and "_", so that no name reaches outside the folder.
bool isLanguageName(const char* name);

// The names of the files ".\languages\*.lang" without their extensions, in listing order.
std::vector<std::string> languageNames();
