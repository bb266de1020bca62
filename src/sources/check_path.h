#pragma once
// Validating and normalising a photo folder path before it is scanned.

// What the check needs to know about the file system (the Win32 probe asks the platform;
// tests hand in a fake).
class PathProbe {
public:
  virtual ~PathProbe() = default;
  // True when `path` exists and is not a directory.
  virtual bool namesFile(const char* path) = 0;
  // True when listing "<path>\*.*" succeeds and its first entry is a directory (every folder
  // but a drive root lists "." first).
  virtual bool listsAsFolder(const char* path) = 0;
};

// Longest path accepted, in UTF-16 units (characters, but two for one beyond U+FFFF).
constexpr int maxPhotoPathLength = 260;

// Checks and normalises `path` (UTF-8) in place; true when it names a folder that can be
// scanned.
//  - empty, longer than 260 units, or holding a character Windows forbids in a path
//    (hasForbiddenPathCharacter: "C:\Photos\??" is no pattern here): invalid, the text is
//    left alone;
//  - every "/" becomes "\", and one trailing "\" is removed;
//  - when the path names an existing file, its last component is removed, so a photo's path
//    gives its folder (only a file is cut: a folder name holding a dot stays);
//  - a bare drive ("C:") gets its "\" back ("C:\") and is valid without a listing;
//  - anything else is valid when the probe lists it as a folder.
// The only growth is that one "\" after a two-character drive, so a buffer of 4 bytes or more
// suffices for any input.
bool checkPathWith(char* path, PathProbe& probe);
