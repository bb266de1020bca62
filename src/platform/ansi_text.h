#pragma once
// Ovix's own texts (the language files and the program's Czech texts) are Windows-1250; paths
// are UTF-8 (platform/path_text.h). These convert between them where a text is shown.
#include <windows.h>

#include <string>

// `text` (Windows-1250) as UTF-16, for a control that shows Unicode text.
std::wstring wideFromCp1250(const char* text);

// `text` (UTF-8) in Windows-1250 for the places that can only draw those 256 characters (the
// scene's bitmap fonts, the progress window's status line), "?" standing for the others.
std::string cp1250FromUtf8(const std::string& text);

// The text of `window` as Unicode, whatever the window's character set.
std::wstring windowTextWide(HWND window);
