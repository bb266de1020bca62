#pragma once
// Paths in config.conf. Inside Ovix paths are UTF-8 (platform/path_text.h).
//
// config.conf has to stay readable by every earlier Ovix, which took each byte of a value
// as a character of code page 1250 (the Czech Windows ANSI code page). So a path goes into
// the file in code page 1250 whenever that can hold it, and as UTF-8 only when it cannot;
// reading tells the two apart by whether the value is UTF-8 with a character beyond ASCII.
// Text in code page 1250 is almost never valid UTF-8: a letter with a diacritic there is a
// byte from 0x80 up, and UTF-8 needs such bytes in lead-and-continuation runs that Czech
// and Slovak words do not form.
#include <optional>
#include <string>
#include <string_view>

// True when `bytes` is well-formed UTF-8: shortest forms only, nothing past U+10FFFF. The
// three-byte form of a lone surrogate counts too, since paths carry such names in it.
bool isUtf8(std::string_view bytes);

// UTF-8 of text in code page 1250. Every byte stands for a character: the five bytes the
// code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) for the control characters of
// the same number, as Windows maps them, so any bytes come back unchanged.
std::string utf8FromCodePage1250(std::string_view bytes);

// The code page 1250 form of UTF-8 text; none when the text is not UTF-8 or holds a
// character the code page has no byte for.
std::optional<std::string> codePage1250FromUtf8(std::string_view text);

// The path a value of config.conf names: the value itself when it is UTF-8 holding a
// character beyond ASCII, otherwise the value read as code page 1250.
std::string pathFromConfigValue(std::string_view value);

// The value config.conf stores for a UTF-8 path: its code page 1250 bytes when the code
// page can hold the path, as earlier Ovix wrote it; otherwise the UTF-8 itself. The few
// paths whose code page 1250 bytes happen to form UTF-8 beyond ASCII (such as "Úžas", or
// "MÍŠA" in capitals) are stored as UTF-8 too, since pathFromConfigValue would read their
// code page 1250 bytes as another path. So pathFromConfigValue(configValueFromPath(p)) is
// p for every UTF-8 path p. Text that is not UTF-8 is stored unchanged.
std::string configValueFromPath(std::string_view path);

// The longest path the folder settings keep, in characters (UTF-16 units, as Windows counts).
constexpr size_t maxSettingsPathCharacters = 255;

// The start of `path` (UTF-8) that holds at most maxSettingsPathCharacters whole characters.
std::string fitSettingsPath(std::string_view path);
