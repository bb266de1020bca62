#pragma once
// Filling a language file's text that carries "%s" places, without handing the file's text to
// printf: a translated text is data, and any other % sequence in it must stay harmless.
#include <initializer_list>
#include <string>

// `format` with each "%s" replaced by the next of `arguments` (nothing once they run out; a
// null argument counts as empty) and each "%%" by "%"; every other character, including any
// other % sequence, is kept as it is.
std::string fillTextPlaces(const std::string& format, std::initializer_list<const char*> arguments);
