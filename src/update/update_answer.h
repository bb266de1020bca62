#pragma once
// The platform-free half of update.dll: reading the server address and the HTTP answer.
#include <cstddef>
#include <cstdint>
#include <string>

// Longest answer worth reading: headers of a plain static-file server and a body of at most
// bodyLimit bytes. A longer answer is a bad one.
constexpr size_t bodyLimit = 1024;
constexpr size_t answerLimit = 8192 + bodyLimit;

struct ServerAddress {
  uint8_t octets[4] = {};
  uint16_t port = 80;
};

// Reads a dotted IPv4 address with an optional ":port" (1 to 65535; 80 when absent). False for
// anything else: names, missing or extra parts, numbers out of range, trailing characters.
bool parseServerAddress(const char* text, ServerAddress& address);

// The first line of the body of a complete HTTP/1.x answer with status 200, when the body is
// at most bodyLimit bytes of printable ASCII (tabs and line ends allowed). Anything else (other
// status, no header end, a body cut short of its Content-Length, chunked or binary or longer
// bodies, an answer over answerLimit) gives the empty text.
std::string versionFromAnswer(const std::string& answer);
