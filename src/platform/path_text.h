#pragma once
// How Ovix carries paths and file names.
//
// Inside Ovix every path and file name is UTF-8 in a std::string (or a const char* to one):
// the folder scans, the photo list, the decoder, the music player, the settings record and
// the dialogs all hand the same bytes along. Windows names are UTF-16, so names are converted
// only where they meet a Win32 call, through the functions at the end of this header and
// nowhere else. No file-system, shell, imaging or media call is given an ANSI path.
//
// Windows allows file names holding UTF-16 units that pair with nothing (lone surrogates).
// Such a unit is carried as the three bytes UTF-8 would give its number (the "WTF-8" form),
// so every name a listing gives converts back to the very same name and the file opens.
//
// Texts from the language files stay Windows-1250; they are converted for display where a
// control shows Unicode text (platform/ansi_text.h).
//
// The first part is platform-free: the conversions themselves and the rules on path texts.
#include <cstddef>
#include <string>

// `text` (UTF-16 units) as UTF-8; lone surrogates as above.
std::string utf8FromUtf16(const char16_t* text, size_t length);
// `text` (UTF-8) as UTF-16 units. A byte that starts no valid sequence gives U+FFFD, so a
// damaged text still converts whole; the three-byte form of a lone surrogate gives it back.
std::u16string utf16FromUtf8(const char* text, size_t length);

// Appends the UTF-8 bytes of character `c` to `out`; a surrogate number as its three bytes.
void appendUtf8(std::string& out, char32_t c);

// The character of `text` (UTF-8, `length` bytes) at byte `i`, moving `i` past it. A byte that
// starts no valid sequence gives U+FFFD and moves one byte; the three-byte form of a lone
// surrogate gives the surrogate.
char32_t nextCharacter(const char* text, size_t length, size_t& i);

// The length of `text` (UTF-8) in UTF-16 units, the unit Windows counts path lengths in.
size_t utf16Length(const char* text);

// True when `text` holds a character Windows forbids in a path: ? * < > | " or a control
// character (below U+0020). Such a path would be a pattern or a device name to the file
// calls, never the folder the user meant, so it is refused before any call sees it.
bool hasForbiddenPathCharacter(const char* text);

#ifdef _WIN32
// The Win32 boundary (platform/path_text_win.cpp).

// `path` for a wide file-system call. A path too long for the plain form (260 units for
// files, 248 for folders) is made absolute and given the "\\?\" prefix (for a share,
// "\\?\UNC\"), which lifts the limit; the prefixed form has no "." parts, no "/" and no
// doubled "\", which the plain form allowed and which the prefix turns off. Short paths are
// only converted, so relative ones keep working.
std::wstring widePath(const std::string& path);
std::wstring widePath(const char* path);
// `path` for a call that reads paths through the ANSI code page inside, however it takes them
// (MCI's wave driver opens files through mmio, which does so under Wine): the short 8.3 form
// when the path holds a character beyond ASCII and the file system has short names, else
// widePath.
std::wstring asciiSafePath(const std::string& path);
// The current folder (the program's folder, Ovix's only one) as UTF-8; empty on failure.
std::string currentFolder();
// `text` (UTF-8) as UTF-16 for showing it; never prefixed.
std::wstring wideText(const std::string& text);
// A name or path Windows gave (UTF-16, zero-terminated) as UTF-8.
std::string utf8FromWide(const wchar_t* text);
#endif
