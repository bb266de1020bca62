#pragma once
// Files by path: the one place Ovix's file calls meet path texts (UTF-8, platform/path_text.h).
// On Windows every call here takes the wide form of the path, so a program folder or a file
// named outside the ANSI code page opens like any other; elsewhere the bytes go to the C library.
// Platform-free to include; the platform's side is file_access_win.cpp or file_access_posix.cpp.
#include <cstdio>
#include <string>
#include <vector>

// Opens `path` with the C library's `mode` ("rb", "wb", "w"); none on failure. The caller
// owns the stream and closes it with fclose.
std::FILE* openFile(const std::string& path, const char* mode);
// Creates the folder `path` when it does not exist yet (its parent must). True when the folder
// is there afterwards.
bool makeFolder(const std::string& path);
// The names (UTF-8) of the files in the folder `path`, sub-folders left out, in the order the
// file system gives; empty when the folder cannot be read.
std::vector<std::string> fileNames(const std::string& path);
// Moves `from` over `to` in one step: afterwards `to` holds either its old content or the
// whole of `from`, never a mixture. Both must be in the same folder. False on failure
// (then `to` is unchanged and `from` is left for the caller to remove).
bool replaceFile(const std::string& from, const std::string& to);
