#include "app/outside_paths.h"

#include <shellapi.h>

#include <vector>

#include "app/viewer_app.h"
#include "platform/path_text.h"
#include "sources/photo_sources.h"
#include "structure/settings.h"

std::vector<std::string> commandLineArguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* split = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!split) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(utf8FromWide(split[i]));
  LocalFree(split);
  return arguments;
}

std::string droppedPath(HDROP drop) {
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  if (length == 0) return "";
  std::vector<wchar_t> name(length + 1, L'\0');
  if (DragQueryFileW(drop, 0, name.data(), length + 1) == 0) return "";
  return utf8FromWide(name.data());
}

bool ViewerApp::openPath(const std::string& path) {
  const std::string storedFolder = settings.photoDir;
  const OpenRequest request = openRequestFor(path);
  if (openPhotos(request.folder, request.startAt)) return true;
  // The box has told the user; nothing of the path stays: the idle scene and the stored folder.
  showIdleScene();
  lstrcpynA(settings.photoDir, storedFolder.c_str(), sizeof settings.photoDir);
  return false;
}
