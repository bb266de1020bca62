#include "structure/structure_storage.h"

#include <cstdio>
#include <cstring>

#include "platform/file_access.h"

#ifdef _WIN32
#include <io.h>
#define flushToDisk _commit
#define fileNumber _fileno
#else
#include <unistd.h>
#define flushToDisk fsync
#define fileNumber fileno
#endif

namespace {
// Windows takes either separator; elsewhere only the slash separates folders.
std::string nativePath(std::string path) {
#ifndef _WIN32
  for (char& c : path)
    if (c == '\\') c = '/';
#endif
  return path;
}

// Pending files alive on this thread: a file written while another is (an include inside
// the file being saved) gets a temporary name of its own.
thread_local int pendingFiles = 0;

class FileInput : public StructureInput {
public:
  explicit FileInput(FILE* file) : file(file) {}
  ~FileInput() override { fclose(file); }
  size_t get(char* buffer, size_t size) override { return fread(buffer, 1, size, file); }

private:
  FILE* file;
};

// Writes into "<path>.tmp" beside the target and moves it over the target on commit.
class ReplacingFile : public PendingFile {
public:
  ReplacingFile(FILE* file, std::string temporary, std::string target)
      : file(file), temporary(std::move(temporary)), target(std::move(target)) {
    ++pendingFiles;
  }
  ~ReplacingFile() override {
    --pendingFiles;
    if (file) fclose(file);
    if (!committed) remove(temporary.c_str());
  }
  bool put(const char* data, size_t length) override {
    if (!file || failed) return false;
    if (fwrite(data, 1, length, file) != length) failed = true;
    return !failed;
  }
  bool commit() override {
    if (!file || failed || committed) return false;
    // The new content must be on the disk before it replaces the old file.
    bool written = fflush(file) == 0 && flushToDisk(fileNumber(file)) == 0;
    written = fclose(file) == 0 && written;
    file = nullptr;
    if (!written || !replaceFile(temporary, target)) return false;
    committed = true;
    return true;
  }

private:
  FILE* file;
  std::string temporary, target;
  bool failed = false;
  bool committed = false;
};

class FileStorage : public StructureStorage {
public:
  std::unique_ptr<StructureInput> openInput(const std::string& path) override {
    FILE* file = openFile(nativePath(path), "rb");
    if (!file) return nullptr;
    return std::make_unique<FileInput>(file);
  }
  std::unique_ptr<PendingFile> createOutput(const std::string& path) override {
    std::string temporary = nativePath(path) + ".tmp";
    if (pendingFiles > 0) temporary += std::to_string(pendingFiles);
    FILE* file = openFile(temporary, "wb");
    if (!file) return nullptr;
    return std::make_unique<ReplacingFile>(file, temporary, nativePath(path));
  }
};

FileStorage fileStorage;
StructureStorage* installedStorage = &fileStorage;
}  // namespace

StructureStorage& structureStorage() { return *installedStorage; }

StructureStorage* setStructureStorage(StructureStorage* storage) {
  StructureStorage* previous = installedStorage;
  installedStorage = storage ? storage : &fileStorage;
  return previous;
}

bool TextModeOutput::put(const char* data, size_t length) {
  const char* end = data + length;
  while (data < end) {
    const char* lineFeed = static_cast<const char*>(memchr(data, '\n', static_cast<size_t>(end - data)));
    if (!lineFeed) return file.put(data, static_cast<size_t>(end - data));
    if (!file.put(data, static_cast<size_t>(lineFeed - data)) || !file.put("\r\n", 2)) return false;
    data = lineFeed + 1;
  }
  return true;
}

size_t TextModeInput::get(char* buffer, size_t size) {
  // Read into the back part of the buffer, leaving room in front for a CR held from the
  // last block, then copy forwards, folding CR LF into LF.
  size_t room = carriageReturnHeld ? size - 1 : size;
  size_t count = file.get(buffer + (size - room), room);
  const char* from = buffer + (size - room);
  const char* end = from + count;
  char* to = buffer;
  if (carriageReturnHeld) {
    carriageReturnHeld = false;
    if (count == 0) {
      buffer[0] = '\r';
      return 1;
    }
    if (*from != '\n') *to++ = '\r';
  }
  for (; from < end; ++from) {
    if (*from == '\r') {
      if (from + 1 == end) {
        carriageReturnHeld = true;  // decided by the next block
        break;
      }
      if (from[1] == '\n') continue;
    }
    *to++ = *from;
  }
  if (to == buffer && carriageReturnHeld) return get(buffer, size);
  return static_cast<size_t>(to - buffer);
}
