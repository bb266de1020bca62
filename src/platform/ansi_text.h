#pragma once
// Ovix carries texts and paths in the ANSI code page (Windows-1250 for its Czech users); the
// shell and the edit controls may hold names with characters that page cannot hold.
#include <windows.h>

#include <string>

// Converts `text` to the ANSI code page. Returns false, leaving `out` as it was, when a
// character has no exact ANSI form: a plain conversion would put "?" or a look-alike there,
// and the path would name another file or none.
bool toAnsi(const wchar_t* text, std::string& out);

// `text` in the ANSI code page for showing it, with "?" for what the page cannot hold.
std::string lossyAnsi(const wchar_t* text);

// The text of `window` as Unicode, whatever the window's character set.
std::wstring windowTextWide(HWND window);
