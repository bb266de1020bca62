#include <shlobj.h>

#include "sources/photo_sources.h"

bool browseForFolder(HWND owner, char* folder) {
  // The browser needs COM on this thread; balance only an initialisation made here.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  BROWSEINFOA browse = {};
  browse.hwndOwner = owner;
  browse.pidlRoot = nullptr;  // the desktop
  browse.pszDisplayName = folder;
  browse.lpszTitle = "Vyberte složku ze které se mají načíst fotky:";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
  LPITEMIDLIST item = SHBrowseForFolderA(&browse);
  bool chosen = false;
  if (item) {
    chosen = SHGetPathFromIDListA(item, folder) != FALSE;
    CoTaskMemFree(item);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}
