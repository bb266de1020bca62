// What the update check reads and compares: the server address, the server's HTTP answer and
// the order of release names.
#include <gtest/gtest.h>

#include <string>

#include "app/release_version.h"
#include "update/update_answer.h"

TEST(UpdateText, ServerAddresses) {
  const std::pair<const char*, std::string> cases[] = {  // the text, the address it gives ("": none)
      {"10.20.30.40", "10.20.30.40:80"}, {"127.0.0.1:65535", "127.0.0.1:65535"}, {"1.2.3.255:1", "1.2.3.255:1"},
      {"1.2.3.256", ""}, {"1.2.3", ""}, {"1.2.3.4.5", ""}, {"1.2.3.4:", ""}, {"1.2.3.4:0", ""}, {"1.2.3.4:80x", ""},
      {"1.2.3.4:65536", ""}, {"1.2.3.0004", ""}, {"1..3.4", ""}, {"example.org", ""}, {nullptr, ""},
      {"1.2.3.4:000080", ""}};
  for (const auto& [text, expected] : cases) {
    ServerAddress address;
    std::string read = parseServerAddress(text, address) ? ":" + std::to_string(address.port) : "";
    for (int i = 3; i >= 0 && !read.empty(); --i) read = (i ? "." : "") + std::to_string(address.octets[i]) + read;
    EXPECT_EQ(read, expected) << (text ? text : "null");
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
      {ok + "\r\nOvix 1.2.1\n", "Ovix 1.2.1"}, {ok + "Content-Length: 4\r\n\r\nOvix 1.2.1", "Ovix"},
      {"HTTP/1.1 200\r\ncontent-length:\t 19 \t\r\n\r\nOvix 1.3.0\r\nignored", "Ovix 1.3.0"},
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
