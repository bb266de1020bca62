#include "app/outside_paths.h"

#include <shellapi.h>

#include <vector>

#include "app/logo_wheel.h"
#include "app/viewer_app.h"
#include "photos/photo_show.h"
#include "platform/ansi_text.h"
#include "sources/photo_sources.h"
#include "structure/settings.h"

namespace {
// A name the code page cannot hold becomes one with "?" in it, which no file has: the path
// check then refuses it and the user is told.
std::string pathText(const wchar_t* text) {
  std::string path;
  return toAnsi(text, path) ? path : lossyAnsi(text);
}
}  // namespace

std::vector<std::string> commandLineArguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* split = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!split) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(pathText(split[i]));
  LocalFree(split);
  return arguments;
}

std::string droppedPath(HDROP drop) {
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  if (length == 0) return "";
  std::vector<wchar_t> name(length + 1, L'\0');
  if (DragQueryFileW(drop, 0, name.data(), length + 1) == 0) return "";
  return pathText(name.data());
}

bool ViewerApp::openPath(const std::string& path) {
  char storedFolder[sizeof settings.photoDir];
  lstrcpynA(storedFolder, settings.photoDir, sizeof storedFolder);
  const OpenRequest request = openRequestFor(path);
  if (openPhotos(request.folder, request.startAt)) return true;
  // The box has told the user; nothing of the path stays: the idle scene and the stored folder.
  delete photoShow;
  photoShow = nullptr;
  if (!logoWheel) logoWheel = new LogoWheel(handle);
  lstrcpyA(settings.photoDir, storedFolder);
  return false;
}
