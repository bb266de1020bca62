#include <shlobj.h>

#include "sources/photo_sources.h"

bool browseForFolder(HWND owner, wchar_t* folder) {
  // The browser needs COM on this thread; balance only an initialisation made here.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  BROWSEINFOW browse = {};
  browse.hwndOwner = owner;
  browse.pidlRoot = nullptr;  // the desktop
  browse.pszDisplayName = folder;
  browse.lpszTitle = L"Vyberte složku ze které se mají načíst fotky:";
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
  LPITEMIDLIST item = SHBrowseForFolderW(&browse);
  bool chosen = false;
  if (item) {
    chosen = SHGetPathFromIDListW(item, folder) != FALSE;
    CoTaskMemFree(item);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}
