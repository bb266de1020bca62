#pragma once
// The progress window's status line: long texts are shortened so they fit beside the bar.

constexpr int statusCapacity = 100;  // bytes of the status buffer, terminator included
constexpr int statusLimit = 18;      // longest text shown whole

// Copies `text` into `status`: whole when it has at most 18 characters, otherwise its first 17
// characters followed by "...". Null counts as empty. Never writes past the buffer.
void shortenStatus(const char* text, char (&status)[statusCapacity]);
