// What the update check reads and compares: the server address, the server's HTTP answer and
// the order of release names.
#include <gtest/gtest.h>

#include <string>

#include "app/release_version.h"
#include "update/update_answer.h"

TEST(UpdateText, ServerAddresses) {
  const struct {
    const char* text;
    bool valid;
    uint8_t last;
    uint16_t port;
  } cases[] = {
      {"192.0.2.1", true, 1, 80},         {"127.0.0.1:8080", true, 1, 8080},
      {"10.20.30.255:65535", true, 255, 65535}, {"1.2.3.4:1", true, 4, 1},
      {"1.2.3.256", false, 0, 0},         {"1.2.3", false, 0, 0},
      {"1.2.3.4.5", false, 0, 0},         {"1.2.3.4:", false, 0, 0},
      {"1.2.3.4:0", false, 0, 0},         {"1.2.3.4:65536", false, 0, 0},
      {"1.2.3.4:80x", false, 0, 0},       {"1.2.3.0004", false, 0, 0},
      {"example.org", false, 0, 0},       {"", false, 0, 0},
      {nullptr, false, 0, 0},
  };
  for (const auto& known : cases) {
    ServerAddress address;
    const bool valid = parseServerAddress(known.text, address);
    const std::string shown = known.text ? known.text : "(null)";
    ASSERT_EQ(valid, known.valid) << shown;
    if (!valid) continue;
    EXPECT_EQ(address.octets[3], known.last) << shown;
    EXPECT_EQ(address.port, known.port) << shown;
  }
  ServerAddress address;
  ASSERT_TRUE(parseServerAddress("10.20.30.40", address));
  EXPECT_EQ(address.octets[0] * 0x1000000 + address.octets[1] * 0x10000 + address.octets[2] * 0x100,
            0x0A141E00);
}

TEST(UpdateText, VersionFromAnswers) {
  const std::string ok = "HTTP/1.0 200 OK\r\nServer: test\r\n";
  const struct {
    std::string answer;
    std::string version;
  } cases[] = {
      {ok + "\r\nOvix 1.2.1\n", "Ovix 1.2.1"},
      {ok + "Content-Length: 12\r\n\r\nOvix 1.3.0\r\nrest ignored", "Ovix 1.3.0"},
      {"HTTP/1.1 200\r\n\r\nOvix 2.0.0", "Ovix 2.0.0"},
      {ok + "content-length:  4 \r\n\r\nOvix 1.2.1", "Ovix"},
      {ok + "Content-Length: 20\r\n\r\nOvix 1.2.1", ""},  // cut short
      {ok + "Content-Length: 2000\r\n\r\nOvix 1.2.1", ""},
      {ok + "Transfer-Encoding: chunked\r\n\r\na\r\nOvix 1.2.1\r\n0\r\n\r\n", ""},
      {"HTTP/1.0 404 Not Found\r\n\r\nOvix 1.2.1", ""},
      {"HTTP/1.0 2000 OK\r\n\r\nOvix 1.2.1", ""},
      {"ICY 200 OK\r\n\r\nOvix 1.2.1", ""},
      {ok + "Ovix 1.2.1", ""},  // no end of headers
      {ok + "\r\nOvix 1.2.1\x01", ""},
      {ok + "\r\nOvix 1.2.1\xe9", ""},
      {ok + "\r\n" + std::string(bodyLimit, 'a'), std::string(bodyLimit, 'a')},
      {ok + "\r\n" + std::string(bodyLimit + 1, 'a'), ""},
      {std::string(answerLimit + 1, 'a'), ""},
      {"", ""},
  };
  for (const auto& known : cases)
    EXPECT_EQ(versionFromAnswer(known.answer), known.version) << known.answer.substr(0, 80);
}

TEST(UpdateText, ReleaseOrder) {
  const struct {
    const char* offered;
    bool newer;
  } cases[] = {
      {"Ovix 1.2.1", true},   {"Ovix 1.3.0", true},  {"Ovix 1.10.0", true},
      {"Ovix 2", true},       {"Ovix 1.2.0.1", true}, {"Ovix 01.02.001", true},
      {"Ovix 1.2.0", false},  {"Ovix 1.1.9", false}, {"Ovix 1.2", false},
      {"Ovix 1.02.00", false}, {"Ovix 0.99.99", false},
      {"Ovix 123456789012345678901234567890.0", true},
      // Not numbers on both sides: byte order.
      {"Ovix 1.2.0b", true},  {"Ovix 1.2.", false},   {"Ovix 1.10.0 beta", false},
      {"Ovix 1.2.0\xe9", true}, {"Ovjx", true},      {"Ovix", false},
      {"", false},            {nullptr, false},
  };
  for (const auto& known : cases)
    EXPECT_EQ(isNewerRelease("Ovix 1.2.0", known.offered), known.newer)
        << (known.offered ? known.offered : "(null)");
  EXPECT_FALSE(isNewerRelease("Ovix 1.10.0", "Ovix 1.9.0"));
  EXPECT_TRUE(isNewerRelease("Ovix 1.9.0", "Ovix 1.10.0"));
}
