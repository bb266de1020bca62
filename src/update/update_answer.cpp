#include "update/update_answer.h"

#include <cctype>
#include <cstring>

namespace {
// Reads a decimal number of at most `maxDigits` digits not above `limit`; advances `at`.
bool readNumber(const char*& at, unsigned maxDigits, unsigned long limit, unsigned long& value) {
  value = 0;
  unsigned digits = 0;
  while (*at >= '0' && *at <= '9' && digits < maxDigits) {
    value = value * 10 + static_cast<unsigned long>(*at++ - '0');
    ++digits;
  }
  return digits > 0 && !(*at >= '0' && *at <= '9') && value <= limit;
}

std::string lowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The value of header `name` (lower case) in `headers`, trimmed; false when absent.
bool headerValue(const std::string& headers, const char* name, std::string& value) {
  const std::string lower = lowerCase(headers);
  const std::string key = std::string("\r\n") + name + ":";
  const size_t at = lower.find(key);
  if (at == std::string::npos) return false;
  size_t start = at + key.size();
  size_t end = lower.find("\r\n", start);
  if (end == std::string::npos) end = lower.size();
  while (start < end && (lower[start] == ' ' || lower[start] == '\t')) ++start;
  while (end > start && (lower[end - 1] == ' ' || lower[end - 1] == '\t')) --end;
  value = lower.substr(start, end - start);
  return true;
}

bool printable(const std::string& body) {
  for (unsigned char c : body)
    if (!((c >= 0x20 && c < 0x7f) || c == '\t' || c == '\r' || c == '\n')) return false;
  return true;
}
}  // namespace

bool parseServerAddress(const char* text, ServerAddress& address) {
  if (!text) return false;
  const char* at = text;
  for (int i = 0; i < 4; ++i) {
    unsigned long octet = 0;
    if (!readNumber(at, 3, 255, octet)) return false;
    address.octets[i] = static_cast<uint8_t>(octet);
    if (i < 3 && *at++ != '.') return false;
  }
  address.port = 80;
  if (*at == ':') {
    unsigned long port = 0;
    ++at;
    if (!readNumber(at, 5, 65535, port) || port == 0) return false;
    address.port = static_cast<uint16_t>(port);
  }
  return *at == '\0';
}

std::string versionFromAnswer(const std::string& answer) {
  if (answer.size() > answerLimit) return "";
  const size_t headerEnd = answer.find("\r\n\r\n");
  if (headerEnd == std::string::npos) return "";
  if (answer.compare(0, 5, "HTTP/") != 0) return "";
  // The status line ends at the first CR LF, which is at or before the header end.
  const size_t space = answer.find(' ');
  if (space == std::string::npos || space > headerEnd) return "";
  if (answer.compare(space, 5, " 200 ") != 0 && answer.compare(space, 6, " 200\r\n") != 0)
    return "";
  const std::string headers = answer.substr(0, headerEnd + 2);
  std::string body = answer.substr(headerEnd + 4);
  std::string value;
  if (headerValue(headers, "transfer-encoding", value) && value != "identity") return "";
  if (headerValue(headers, "content-length", value)) {
    const char* at = value.c_str();
    unsigned long length = 0;
    if (!readNumber(at, 5, bodyLimit, length) || *at != '\0' || body.size() < length) return "";
    body.resize(length);
  }
  if (body.size() > bodyLimit || !printable(body)) return "";
  return body.substr(0, body.find_first_of("\r\n"));
}
