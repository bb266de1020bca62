#pragma once
// The music folder text as the player searches it.
#include <string>

// The longest music folder text the player accepts, in characters.
constexpr size_t maxMusicFolderLength = 260;

// Turns the music folder text into the folder the player searches: every forward slash
// becomes a backslash and one trailing backslash is dropped ("C:/Music/" gives "C:\Music").
// Returns false, leaving `folder` empty, for a null or empty text (which would otherwise name
// the root of the current drive) or one longer than maxMusicFolderLength.
bool normaliseMusicFolder(const char* text, std::string& folder);
