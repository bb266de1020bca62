#pragma once
// A file system as a map of folders to their entries, in the order the "file system" returns
// them; a folder missing from the map lists as empty. Counts the entries it hands out.
#include <map>
#include <string>
#include <vector>

#include "sources/folder_scan.h"

class FakeListing : public FolderListing {
public:
  std::map<std::string, std::vector<ListedEntry>> folders;
  int visited = 0;
  // Called before each entry is handed out (a test may set a cancel flag there).
  std::function<void()> beforeEach = [] {};

  void list(const std::string& folder, const std::function<bool(const ListedEntry&)>& visit) override {
    for (const ListedEntry& entry : folders[folder]) {
      beforeEach();
      ++visited;
      if (!visit(entry)) return;
    }
  }
};
