// The one place where Ovix's UTF-8 paths become the UTF-16 paths of Win32 and back.
#include <windows.h>

#include <cstring>
#include <cwchar>

#include "platform/path_text.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

namespace {
// Below this many units every call takes the plain form: CreateDirectory stops at 248
// (MAX_PATH less room for an 8.3 name), the other calls at 260, and a listing pattern adds
// "\*.*" to its folder.
constexpr size_t plainPathLimit = 248;

std::wstring wideFrom(const char* text, size_t length) {
  const std::u16string units = utf16FromUtf8(text, length);
  return std::wstring(reinterpret_cast<const wchar_t*>(units.data()), units.size());
}

// `path` in the "\\?\" form: absolute, with every "/" a "\", "." and ".." resolved and
// doubled separators merged (what the plain form does by itself). Empty when it cannot be
// made absolute.
std::wstring prefixed(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return std::wstring();
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return std::wstring();
  full.resize(written);
  // The full form keeps a doubled "\" after a drive ("C:\\a.jpg", as a drive root's scan spells
  // its entries); the prefixed form would not find such a name.
  std::wstring merged;
  merged.reserve(full.size() + 8);
  for (size_t i = 0; i < full.size(); ++i)
    if (!(i > 1 && full[i] == L'\\' && merged.back() == L'\\')) merged += full[i];
  if (merged.compare(0, 4, L"\\\\?\\") == 0) return merged;
  if (merged.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + merged.substr(2);
  return L"\\\\?\\" + merged;
}
}  // namespace

std::wstring widePath(const char* path) {
  const size_t length = std::strlen(path);
  std::wstring wide = wideFrom(path, length);
  if (wide.size() < plainPathLimit || wide.compare(0, 4, L"\\\\?\\") == 0) return wide;
  std::wstring longForm = prefixed(wide);
  return longForm.empty() ? wide : longForm;
}

std::wstring widePath(const std::string& path) { return widePath(path.c_str()); }

std::wstring asciiSafePath(const std::string& path) {
  std::wstring wide = widePath(path);
  bool plain = true;
  for (wchar_t c : wide) plain = plain && c < 0x80;
  if (plain) return wide;
  const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (needed == 0) return wide;
  std::wstring shortForm(needed, L'\0');
  const DWORD written = GetShortPathNameW(wide.c_str(), shortForm.data(), needed);
  if (written == 0 || written >= needed) return wide;
  shortForm.resize(written);
  return shortForm;
}

std::string currentFolder() {
  const DWORD needed = GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) return std::string();
  std::wstring folder(needed, L'\0');
  const DWORD written = GetCurrentDirectoryW(needed, folder.data());
  if (written == 0 || written >= needed) return std::string();
  folder.resize(written);
  return utf8FromWide(folder.c_str());
}

std::wstring wideText(const std::string& text) { return wideFrom(text.data(), text.size()); }

std::string utf8FromWide(const wchar_t* text) {
  return utf8FromUtf16(reinterpret_cast<const char16_t*>(text), std::wcslen(text));
}
