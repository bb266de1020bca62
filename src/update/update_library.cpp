// update.dll: asks an Ovix update server for the newest release's version text with one plain
// HTTP/1.1 request over Winsock. Connecting and receiving each give up after three seconds.
#include <winsock2.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "update/update_answer.h"

namespace {
constexpr ULONGLONG timeoutMs = 3000;

SOCKET connection = INVALID_SOCKET;
bool winsockStarted = false;
std::string hostHeader;  // "a.b.c.d[:port]"
std::string version;     // what _updateGetVersion returned; lives until disconnect

// Waits until `socket` is writable (or failed) or readable; false on timeout, failure or error.
bool waitUntil(SOCKET socket, bool writing, ULONGLONG deadline) {
  const ULONGLONG now = GetTickCount64();
  if (now >= deadline) return false;
  const ULONGLONG left = deadline - now;
  timeval wait = {static_cast<long>(left / 1000), static_cast<long>(left % 1000 * 1000)};
  fd_set ready, failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(socket, &ready);
  FD_SET(socket, &failed);
  const int count = writing ? select(0, nullptr, &ready, &failed, &wait)
                            : select(0, &ready, nullptr, &failed, &wait);
  return count > 0 && !FD_ISSET(socket, &failed) && FD_ISSET(socket, &ready);
}

bool sendAll(const std::string& request, ULONGLONG deadline) {
  size_t sent = 0;
  while (sent < request.size()) {
    const int count = send(connection, request.data() + sent, static_cast<int>(request.size() - sent), 0);
    if (count > 0) {
      sent += static_cast<size_t>(count);
    } else if (WSAGetLastError() != WSAEWOULDBLOCK || !waitUntil(connection, true, deadline)) {
      return false;
    }
  }
  return true;
}

// Everything the server sends until it closes, the deadline passes or the answer grows past
// answerLimit (then one byte more than the limit, which makes it a bad answer).
std::string receiveAnswer(ULONGLONG deadline) {
  std::string answer;
  char buffer[4096];
  while (answer.size() <= answerLimit && waitUntil(connection, false, deadline)) {
    const int count = recv(connection, buffer, sizeof buffer, 0);
    if (count <= 0) break;
    answer.append(buffer, static_cast<size_t>(count));
  }
  if (answer.size() > answerLimit) answer.resize(answerLimit + 1);
  return answer;
}
}  // namespace

extern "C" {
void _updateDisconnect();

// Connects to `address` ("a.b.c.d" or "a.b.c.d:port", port 80 by default), or to the
// environment's OVIX_UPDATE_SERVER when that is set. True when the connection stands.
__declspec(dllexport) bool _updateConnect(const char* address) {
  _updateDisconnect();
  char configured[64] = "";
  const DWORD length = GetEnvironmentVariableA("OVIX_UPDATE_SERVER", configured, sizeof configured);
  if (length > 0 && length < sizeof configured) address = configured;
  ServerAddress server;
  if (!parseServerAddress(address, server)) return false;

  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
  winsockStarted = true;
  connection = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  u_long nonBlocking = 1;
  if (connection == INVALID_SOCKET || ioctlsocket(connection, FIONBIO, &nonBlocking) != 0) {
    _updateDisconnect();
    return false;
  }
  sockaddr_in target = {};
  target.sin_family = AF_INET;
  target.sin_port = htons(server.port);
  std::memcpy(&target.sin_addr, server.octets, sizeof server.octets);
  if (connect(connection, reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0 &&
      (WSAGetLastError() != WSAEWOULDBLOCK ||
       !waitUntil(connection, true, GetTickCount64() + timeoutMs))) {
    _updateDisconnect();
    return false;
  }
  hostHeader = std::to_string(server.octets[0]) + "." + std::to_string(server.octets[1]) + "." +
               std::to_string(server.octets[2]) + "." + std::to_string(server.octets[3]);
  if (server.port != 80) hostHeader += ":" + std::to_string(server.port);
  return true;
}

// The first line of /ovix/version.txt, or the empty text for any failure or bad answer. The
// text stays readable until _updateDisconnect.
__declspec(dllexport) const char* _updateGetVersion() {
  version.clear();
  if (connection == INVALID_SOCKET) return version.c_str();
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  const std::string request = "GET /ovix/version.txt HTTP/1.1\r\nHost: " + hostHeader +
                              "\r\nUser-Agent: Ovix\r\nConnection: close\r\n\r\n";
  if (sendAll(request, deadline)) version = versionFromAnswer(receiveAnswer(deadline));
  return version.c_str();
}

__declspec(dllexport) void _updateDisconnect() {
  if (connection != INVALID_SOCKET) closesocket(connection);
  connection = INVALID_SOCKET;
  if (winsockStarted) WSACleanup();
  winsockStarted = false;
}

// Nothing to set up: Winsock starts with the first connection.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
}
