#include "structure/replace_file.h"

#include <cstdio>

// rename() replaces an existing target atomically on POSIX systems.
bool replaceFile(const char* from, const char* to) { return rename(from, to) == 0; }
