#include "sources/open_request.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string pathFromArguments(const std::vector<std::string>& arguments) {
  std::string path;
  for (const std::string& argument : arguments) {
    if (!path.empty()) path += ' ';
    path += argument;
  }
  std::size_t begin = 0, end = path.size();
  while (begin < end && isBlank(path[begin])) ++begin;
  while (end > begin && isBlank(path[end - 1])) --end;
  if (begin < end && path[begin] == '"') ++begin;
  if (end > begin && path[end - 1] == '"') --end;
  return path.substr(begin, end - begin);
}

OpenRequest openRequestFor(const std::string& path, PathProbe& probe) {
  OpenRequest request;
  request.folder = path;
  if (path.empty() || !probe.namesFile(path.c_str())) return request;
  const std::size_t cut = path.find_last_of("\\/");
  // A bare name lies in the current folder, which the check turns into a usable path.
  request.folder = cut == std::string::npos ? std::string(".") : path.substr(0, cut);
  request.startAt = path;
  return request;
}
