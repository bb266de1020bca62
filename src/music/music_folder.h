#pragma once
// The music folder text as the player searches it.
#include <string>

// The longest music folder text the player accepts, in UTF-16 units.
constexpr size_t maxMusicFolderLength = 260;

// Turns the music folder text into the folder the player searches: every forward slash
// becomes a backslash and one trailing backslash is dropped ("C:/Music/" gives "C:\Music").
// Returns false, leaving `folder` empty, for a null or empty text (which would otherwise name
// the root of the current drive), one longer than maxMusicFolderLength, or one holding a
// character Windows forbids in a path (a wildcard would make the folder test a pattern).
bool normaliseMusicFolder(const char* text, std::string& folder);
