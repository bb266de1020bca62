#include "structure/replace_file.h"

#include <windows.h>

// The C library's rename() refuses an existing target on Windows; MoveFileEx replaces it
// in one step and waits until the move is on the disk. A read-only target is refused, as
// Windows does; Wine's MoveFileEx would replace it.
bool replaceFile(const char* from, const char* to) {
  const DWORD attributes = GetFileAttributesA(to);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
