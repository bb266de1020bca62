#pragma once
// What a path handed to Ovix from outside (the command line, a drop on the window) asks for.
// Platform-free: the file system is asked through the path check's probe.
#include <string>
#include <vector>

#include "sources/check_path.h"

// A show to open: the folder, and the photo to start at (empty: where the last show of that
// folder stopped, or its first photo).
struct OpenRequest {
  std::string folder;
  std::string startAt;
};

// The one path the command line's arguments (after the program's name) name; empty when there
// is none. An unquoted path with blanks arrives cut at them, so the arguments are joined with
// one blank. A quoted path ending in "\" ("D:\Photos\") comes as D:\Photos" from the
// platform's splitting, which reads \" as an escaped quote: a quote at either end goes.
// Blanks around the path go too.
std::string pathFromArguments(const std::vector<std::string>& arguments);

// What opening `path` means: an existing file is a photo that starts its folder's show at
// itself; anything else is taken as a folder, and the folder's check decides whether it can
// be shown.
OpenRequest openRequestFor(const std::string& path, PathProbe& probe);
