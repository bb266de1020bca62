#include "music/music_folder.h"

#include <cstring>

#include "platform/path_text.h"

bool normaliseMusicFolder(const char* text, std::string& folder) {
  folder.clear();
  if (!text) return false;
  const size_t length = std::strlen(text);
  if (length == 0 || utf16Length(text) > maxMusicFolderLength || hasForbiddenPathCharacter(text)) return false;
  folder.assign(text, length);
  for (char& c : folder)
    if (c == '/') c = '\\';
  if (folder.back() == '\\') folder.pop_back();
  if (folder.empty()) return false;  // "/" alone named the drive root the same way as ""
  return true;
}
