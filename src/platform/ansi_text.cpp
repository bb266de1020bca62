#include "platform/ansi_text.h"

#include <vector>

namespace {
// Converts with `flags`; `usedDefault` (when given) reports a character without ANSI form.
std::string convert(const wchar_t* text, DWORD flags, BOOL* usedDefault) {
  const int needed = WideCharToMultiByte(CP_ACP, flags, text, -1, nullptr, 0, nullptr, usedDefault);
  if (needed <= 0) return std::string();
  std::string result(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, flags, text, -1, result.data(), needed, nullptr, nullptr);
  result.pop_back();  // the terminator
  return result;
}
}  // namespace

bool toAnsi(const wchar_t* text, std::string& out) {
  BOOL usedDefault = FALSE;
  std::string converted = convert(text, WC_NO_BEST_FIT_CHARS, &usedDefault);
  if (usedDefault) return false;
  out = std::move(converted);
  return true;
}

std::string lossyAnsi(const wchar_t* text) { return convert(text, 0, nullptr); }

std::wstring windowTextWide(HWND window) {
  std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1);
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}
