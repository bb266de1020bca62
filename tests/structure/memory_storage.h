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
  MemoryStorage(const MemoryStorage&) = delete;
  MemoryStorage& operator=(const MemoryStorage&) = delete;

  static std::string fullPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path.compare(0, 2, "./") == 0 ? path : "./" + path;
  }

  std::unique_ptr<StructureInput> openInput(const std::string& path) override {
    auto found = files.find(fullPath(path));
    if (found == files.end()) {
      missingReads.insert(fullPath(path));
      return nullptr;
    }
    struct Input : StructureInput {
      std::string bytes;
      size_t at = 0;
      size_t get(char* buffer, size_t size) override {
        size_t count = bytes.copy(buffer, size, at);
        at += count;
        return count;
      }
    };
    auto input = std::make_unique<Input>();
    input->bytes = found->second;
    return input;
  }

  std::unique_ptr<PendingFile> createOutput(const std::string& path) override {
    struct Output : PendingFile {
      MemoryStorage* storage;
      std::string path, bytes;
      bool failed = false;
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
    };
    auto output = std::make_unique<Output>();
    output->storage = this;
    output->path = fullPath(path);
    return output;
  }

  std::map<std::string, std::string> files;  // full path -> bytes as on disk
  std::map<std::string, int> writes;          // full path -> times written
  std::set<std::string> missingReads;         // full paths looked for and not found
  size_t spaceLeft = SIZE_MAX;                // bytes a written file may hold; more fails
  StructureStorage* const replaced;           // the storage in use before this one
};
