#pragma once
// Structure files kept in memory, so that tests and the fuzzer never touch the disk. A file
// is kept under its path with "./" in front and every backslash turned into "/": "sub\\a.conf"
// and "./sub/a.conf" are both "./sub/a.conf".
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "structure/structure_storage.h"

class MemoryStorage : public StructureStorage {
public:
  MemoryStorage() : replaced(setStructureStorage(this)) {}
  ~MemoryStorage() override { setStructureStorage(replaced); }

  static std::string fullPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path.compare(0, 2, "./") == 0 ? path : "./" + path;
  }

  std::unique_ptr<StructureInput> openInput(const std::string& path) override {
    struct Input : StructureInput {
      explicit Input(std::string bytes) : rest(std::move(bytes)) {}
      size_t get(char* buffer, size_t size) override {
        size_t count = rest.copy(buffer, size);
        rest.erase(0, count);
        return count;
      }
      std::string rest;
    };
    auto found = files.find(fullPath(path));
    if (found != files.end()) return std::make_unique<Input>(found->second);
    missingReads.insert(fullPath(path));
    return nullptr;
  }

  std::unique_ptr<PendingFile> createOutput(const std::string& path) override {
    struct Output : PendingFile {
      Output(MemoryStorage* storage, std::string path) : storage(storage), path(std::move(path)) {}
      bool put(const char* data, size_t length) override {
        failed = failed || bytes.size() + length > storage->spaceLeft;
        if (!failed) bytes.append(data, length);
        return !failed;
      }
      bool commit() override {
        if (failed) return false;
        ++storage->writes[path];
        storage->files[path] = bytes;
        return true;
      }
      MemoryStorage* storage;
      std::string path, bytes;
      bool failed = false;
    };
    return std::make_unique<Output>(this, fullPath(path));
  }

  std::map<std::string, std::string> files;  // full path -> bytes as on disk
  std::map<std::string, int> writes;          // full path -> times written
  std::set<std::string> missingReads;         // full paths looked for and not found
  size_t spaceLeft = SIZE_MAX;                // bytes a written file may hold; more fails
  StructureStorage* const replaced;           // the storage in use before this one
};
