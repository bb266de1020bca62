#include <shlobj.h>

#include "platform/path_text.h"
#include "sources/photo_sources.h"

bool browseForFolder(HWND owner, std::string& folder) {
  // The browser needs COM on this thread; balance only an initialisation made here.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  wchar_t chosenPath[MAX_PATH] = L"";
  BROWSEINFOW browse = {};
  browse.hwndOwner = owner;
  browse.pidlRoot = nullptr;  // the desktop
  browse.pszDisplayName = chosenPath;
  browse.lpszTitle = L"Vyberte složku ze které se mají načíst fotky:";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
  LPITEMIDLIST item = SHBrowseForFolderW(&browse);
  bool chosen = false;
  if (item) {
    chosen = SHGetPathFromIDListW(item, chosenPath) != FALSE;
    CoTaskMemFree(item);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  if (chosen) folder = utf8FromWide(chosenPath);
  return chosen;
}
