#pragma once
// An edit control holding a path. It is a Unicode window, so it shows and takes every name
// Windows allows (a Cyrillic folder, an emoji) where an ANSI edit would hold "?" instead; its
// text goes in and out as UTF-8 (platform/path_text.h).
#include <windows.h>

#include <string>

class DialogLayout;

// Creates the "EDIT" child of `parent` with `path` as its text, placed (96-dpi units) and given
// its font by `layout`; none when the window cannot be made.
HWND createPathField(HWND parent, HINSTANCE instance, DialogLayout& layout, const char* path, DWORD style,
                     DWORD extendedStyle, int x, int y, int width, int height);
// The field's text as UTF-8.
std::string pathFieldText(HWND field);
void setPathFieldText(HWND field, const std::string& path);
