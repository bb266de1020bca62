#include "platform/ansi_text.h"

#include <vector>

#include "platform/path_text.h"

namespace {
constexpr UINT czechCodePage = 1250;
}  // namespace

std::wstring wideFromCp1250(const char* text) {
  const int needed = MultiByteToWideChar(czechCodePage, 0, text, -1, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring result(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(czechCodePage, 0, text, -1, result.data(), needed);
  result.pop_back();  // the terminator
  return result;
}

std::string cp1250FromUtf8(const std::string& text) {
  const std::wstring wide = wideText(text);
  const int needed = WideCharToMultiByte(czechCodePage, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::string result(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(czechCodePage, 0, wide.c_str(), -1, result.data(), needed, nullptr, nullptr);
  result.pop_back();
  return result;
}

std::wstring windowTextWide(HWND window) {
  std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1);
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}
