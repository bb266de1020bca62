// What the update check reads and compares: the server address, the server's HTTP answer and
// the order of release names.
#include <gtest/gtest.h>

#include <string>

#include "app/release_version.h"
#include "update/update_answer.h"

TEST(UpdateText, ServerAddresses) {
  // The text, whether it is valid, then the address and port it gives.
  const std::tuple<const char*, bool, uint32_t, uint16_t> cases[] = {
      {"10.20.30.40", true, 0x0A141E28, 80}, {"127.0.0.1:65535", true, 0x7F000001, 65535},
      {"1.2.3.255:1", true, 0x010203FF, 1},  {"1.2.3.256", false, 0, 0},     {"1.2.3", false, 0, 0},
      {"1.2.3.4.5", false, 0, 0},            {"1.2.3.4:", false, 0, 0},      {"1.2.3.4:0", false, 0, 0},
      {"1.2.3.4:65536", false, 0, 0},        {"1.2.3.4:80x", false, 0, 0},   {"1.2.3.0004", false, 0, 0},
      {"1..3.4", false, 0, 0},               {"example.org", false, 0, 0},   {nullptr, false, 0, 0},
      {"1.2.3.4:000080", false, 0, 0}};
  for (const auto& [text, valid, octets, port] : cases) {
    ServerAddress address;
    ASSERT_EQ(parseServerAddress(text, address), valid) << (text ? text : "null");
    if (!valid) continue;
    const uint8_t* o = address.octets;
    EXPECT_EQ(uint32_t(o[0]) << 24 | uint32_t(o[1]) << 16 | uint32_t(o[2]) << 8 | o[3], octets) << text;
    EXPECT_EQ(address.port, port) << text;
  }
}

TEST(UpdateText, VersionFromAnswers) {
  const std::string ok = "HTTP/1.0 200 OK\r\nServer: test\r\n";
  const std::string longest(bodyLimit, 'a');
  auto sized = [](size_t size) {  // an answer of `size` bytes, padded in a header
    const std::string head = "HTTP/1.0 200 OK\r\nX: ", tail = "\r\n\r\nOvix 1.2.1";
    return head + std::string(size - head.size() - tail.size(), 'x') + tail;
  };
  const std::pair<std::string, std::string> cases[] = {  // the answer, the version read
      {ok + "\r\nOvix 1.2.1\n", "Ovix 1.2.1"},
      {"HTTP/1.1 200\r\ncontent-length:\t 19 \t\r\n\r\nOvix 1.3.0\r\nignored", "Ovix 1.3.0"},
      {ok + "Content-Length: 4\r\n\r\nOvix 1.2.1", "Ovix"},
      {ok + "Content-Length: 20\r\n\r\nOvix 1.2.1", ""},  // cut short
      {ok + "Transfer-Encoding: chunked\r\n\r\na\r\nOvix 1.2.1\r\n0\r\n\r\n", ""},
      {"HTTP/1.0 404 Not Found\r\n\r\nOvix 1.2.1", ""}, {"HTTP/1.0 2000 OK\r\n\r\nOvix 1.2.1", ""},
      {"ICY 200 OK\r\n\r\nOvix 1.2.1", ""},            {ok + "Ovix 1.2.1", ""},  // no end of headers
      {"HTTP/1.1\r\n\r\nOvix 200 OK", ""},           // no status in the status line
      {ok + "\r\nOvix 1.2.1\x1f", ""},                 {ok + "\r\nOvix 1.2.1\x7f", ""},
      {ok + "\r\n" + longest, longest},                {ok + "\r\n" + longest + "a", ""},
      {ok + "Content-Length: 4x\r\n\r\nOvix 1.2.1", ""}, {ok + "Content-Length: 000004\r\n\r\nOvix 1.2.1", ""},
      {sized(answerLimit), "Ovix 1.2.1"},              {sized(answerLimit + 1), ""}};
  for (const auto& [answer, version] : cases) EXPECT_EQ(versionFromAnswer(answer), version) << answer.substr(0, 80);
}

TEST(UpdateText, ReleaseOrder) {
  const std::pair<const char*, bool> cases[] = {  // offered, newer than "Ovix 1.2.0"
      {"Ovix 1.2.1", true},   {"Ovix 1.3.0", true},   {"Ovix 1.10.0", true},  {"Ovix 1.2.0.1", true},
      {"Ovix 01.02.001", true}, {"Ovix 123456789012345678901234567890", true},
      {"Ovix 1.2.0", false},  {"Ovix 1.1.9", false},  {"Ovix 1.02.00", false}, {"Ovix 0.99.99", false},
      {"Ovix 1.2", false},
      // Not numbers on both sides: byte order.
      {"Ovix 1.2.0b", true},  {"Ovix 1.2.0\xe9", true}, {"Ovix 1.10.", false}, {"Ovix 1.10.0 beta", false},
      {"Ovix-1.1.0", true},   {"", false},            {nullptr, false}};
  for (const auto& [offered, newer] : cases)
    EXPECT_EQ(isNewerRelease("Ovix 1.2.0", offered), newer) << (offered ? offered : "null");
  EXPECT_FALSE(isNewerRelease("Ovix 1.10.0", "Ovix 1.9.0"));
  EXPECT_FALSE(isNewerRelease("Ovix 1.2.0b", "Ovix 1.2.0b"));
}
