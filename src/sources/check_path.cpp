#include "sources/check_path.h"

#include <cstring>

#include "platform/path_text.h"

bool checkPathWith(char* path, PathProbe& probe) {
  size_t length = std::strlen(path);
  // An empty path would be listed as "\*.*", the root of the current drive: never what the
  // user chose, so it is refused like any other unusable path.
  if (length == 0 || utf16Length(path) > static_cast<size_t>(maxPhotoPathLength)) return false;
  if (hasForbiddenPathCharacter(path)) return false;
  for (size_t i = 0; i < length; ++i)
    if (path[i] == '/') path[i] = '\\';
  if (path[length - 1] == '\\') path[--length] = '\0';

  // A path to a photo means the photo's folder. Only an existing file is cut, never a folder
  // whose name merely holds a dot ("C:\My.Photos\2007" must not become the drive root).
  if (length > 0 && probe.namesFile(path)) {
    for (size_t i = length - 1; i >= 1; --i) {
      if (path[i] == '\\') {
        path[i] = '\0';
        length = i;
        break;
      }
    }
  }

  // Two bytes of one character (a Cyrillic letter in UTF-8) are a folder name, not a drive.
  if (length == 2 && utf16Length(path) == 2) {
    path[2] = '\\';
    path[3] = '\0';
    return true;
  }
  if (length == 0) return false;
  return probe.listsAsFolder(path);
}
