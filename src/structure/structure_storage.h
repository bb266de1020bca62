#pragma once
// Where structure files are read from and written to. Ovix uses the real file system
// (fileStorage); tests and the fuzzer install an in-memory storage so that nothing they read
// can reach the disk. The storage handles bytes exactly as stored: the CR LF handling of
// text mode is done by the structure code itself, alike on every platform. Paths separate
// folders with a backslash or a slash on every platform, and relative ones start from the
// current directory, which nothing here changes.
#include <cstddef>
#include <memory>
#include <string>

// Bytes going out: the writer's sink.
class StructureOutput {
public:
  virtual ~StructureOutput() = default;
  // False when the bytes could not be written; the output is then useless.
  virtual bool put(const char* data, size_t length) = 0;
};

class StructureInput {
public:
  virtual ~StructureInput() = default;
  // Up to `size` bytes into `buffer`; 0 at the end of the file or on a read error.
  virtual size_t get(char* buffer, size_t size) = 0;
};

// A file being written: it replaces the file of its name only when commit() succeeds, so
// a failed or interrupted write leaves the old file whole. Destroying it uncommitted
// discards what was written.
class PendingFile : public StructureOutput {
public:
  virtual bool commit() = 0;
};

class StructureStorage {
public:
  virtual ~StructureStorage() = default;
  // The file for reading, or none when it cannot be opened.
  virtual std::unique_ptr<StructureInput> openInput(const std::string& path) = 0;
  // A new file that will replace `path`, or none when it cannot be created.
  virtual std::unique_ptr<PendingFile> createOutput(const std::string& path) = 0;
};

// The storage every load and save goes through; the file system unless replaced.
StructureStorage& structureStorage();
// Installs `storage` (none: back to the file system) and returns the one it replaces. The
// caller keeps ownership and must restore the previous one before destroying it.
StructureStorage* setStructureStorage(StructureStorage* storage);

// Text mode of a file, done here so that every platform behaves alike: each CR LF pair of
// the file reads as LF, and each LF written becomes CR LF.
class TextModeOutput : public StructureOutput {
public:
  explicit TextModeOutput(StructureOutput& file) : file(file) {}
  bool put(const char* data, size_t length) override;

private:
  StructureOutput& file;
};

class TextModeInput {
public:
  explicit TextModeInput(StructureInput& file) : file(file) {}
  // Up to `size` (at least 2) bytes of text into `buffer`; 0 at the end.
  size_t get(char* buffer, size_t size);

private:
  StructureInput& file;
  bool carriageReturnHeld = false;  // a CR at the end of the last block, not yet emitted
};
