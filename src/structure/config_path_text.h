#pragma once
// Path values in config.conf. Earlier Ovix wrote them in Windows-1250 and reads them so; Ovix
// carries paths as UTF-8 (platform/path_text.h). So a path Windows-1250 can hold is written
// in it, byte for byte as always, and only a path it cannot hold is written as UTF-8.
#include <cstddef>
#include <string>

// The longest path value kept, in characters (UTF-16 units): what the folder fields take.
constexpr size_t maxConfigPathCharacters = 255;

// The start of `path` (UTF-8) that holds at most maxConfigPathCharacters; whole characters.
std::string fitConfigPath(const std::string& path);

// A path value as read from the file, in UTF-8: a value that is valid UTF-8 holding at least
// one multi-byte sequence is UTF-8, anything else Windows-1250 (where every byte is a
// character). Cut to maxConfigPathCharacters.
std::string pathFromConfig(const char* value);

// `path` (UTF-8) as written to the file: Windows-1250 when it holds every character, unless
// those bytes would read back as UTF-8 (a rare pair such as "ČŠ"), else UTF-8 as it is.
std::string pathForConfig(const std::string& path);
