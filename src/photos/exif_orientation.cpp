#include "photos/exif_orientation.h"

#include <string>

namespace {
// Reads 16- and 32-bit numbers of a TIFF block in its byte order; every read is checked
// against the block's end.
class TiffBytes {
public:
  TiffBytes(const uint8_t* data, size_t size, bool bigEndian) : data(data), size(size), bigEndian(bigEndian) {}

  bool u16(size_t at, uint32_t& value) const {
    if (at > size || size - at < 2) return false;
    value = bigEndian ? (uint32_t{data[at]} << 8) | data[at + 1] : (uint32_t{data[at + 1]} << 8) | data[at];
    return true;
  }
  bool u32(size_t at, uint32_t& value) const {
    uint32_t first = 0, second = 0;
    if (!u16(at, first) || !u16(at + 2, second)) return false;
    value = bigEndian ? (first << 16) | second : (second << 16) | first;
    return true;
  }

private:
  const uint8_t* data;
  size_t size;
  bool bigEndian;
};

constexpr uint32_t orientationTag = 274;
constexpr uint32_t exifDirectoryTag = 0x8769;    // IFD0's pointer to the Exif directory
constexpr uint32_t dateTimeOriginalTag = 0x9003;  // when the photo was taken
constexpr uint32_t typeAscii = 2;
constexpr uint32_t typeShort = 3;
constexpr uint32_t typeLong = 4;
constexpr uint32_t typeIfd = 13;  // a LONG offset to a directory, as some writers mark it
constexpr size_t entrySize = 12;
constexpr size_t dateLength = 19;  // "YYYY:MM:DD HH:MM:SS"

struct TiffEntry {
  uint32_t type = 0, count = 0;
  size_t valueAt = 0;  // where the entry's four value bytes start
};

// Opens the block: its byte order and the offset of its first directory. False when the
// block is too short or no TIFF.
bool openTiff(const uint8_t* tiff, size_t size, bool& bigEndian, uint32_t& directory) {
  if (!tiff || size < 8) return false;
  if (tiff[0] == 'M' && tiff[1] == 'M')
    bigEndian = true;
  else if (tiff[0] == 'I' && tiff[1] == 'I')
    bigEndian = false;
  else
    return false;
  uint32_t magic = 0;
  const TiffBytes bytes(tiff, size, bigEndian);
  return bytes.u16(2, magic) && magic == 42 && bytes.u32(4, directory);
}

// The first entry with `tag` in the directory at `directory`; false when it is missing or an
// entry before it is cut off.
bool findEntry(const TiffBytes& bytes, uint32_t directory, uint32_t tag, TiffEntry& found) {
  uint32_t entries = 0;
  if (!bytes.u16(directory, entries)) return false;
  for (uint32_t i = 0; i < entries; ++i) {
    const size_t entry = size_t{directory} + 2 + size_t{i} * entrySize;
    uint32_t entryTag = 0;
    if (!bytes.u16(entry, entryTag) || !bytes.u16(entry + 2, found.type) || !bytes.u32(entry + 4, found.count))
      return false;
    found.valueAt = entry + 8;
    if (entryTag == tag) return true;
  }
  return false;
}

bool isDigit(uint8_t c) { return c >= '0' && c <= '9'; }
}  // namespace

int tiffOrientation(const uint8_t* tiff, size_t size) {
  bool bigEndian = false;
  uint32_t directory = 0, value = 0;
  if (!openTiff(tiff, size, bigEndian, directory)) return orientationAsStored;
  const TiffBytes bytes(tiff, size, bigEndian);
  TiffEntry entry;
  // One SHORT, stored in the first two bytes of the value field.
  if (!findEntry(bytes, directory, orientationTag, entry) || !bytes.u16(entry.valueAt, value) ||
      entry.type != typeShort || entry.count != 1 || value < orientationAsStored || value > orientationLast)
    return orientationAsStored;
  return static_cast<int>(value);
}

std::string tiffDateTaken(const uint8_t* tiff, size_t size) {
  bool bigEndian = false;
  uint32_t directory = 0, exifDirectory = 0, at = 0;
  if (!openTiff(tiff, size, bigEndian, directory)) return "";
  const TiffBytes bytes(tiff, size, bigEndian);
  TiffEntry entry;
  if (!findEntry(bytes, directory, exifDirectoryTag, entry) || (entry.type != typeLong && entry.type != typeIfd) ||
      !bytes.u32(entry.valueAt, exifDirectory))
    return "";
  // The text and its terminator (20 bytes) never fit the value field: it stands at an offset.
  if (!findEntry(bytes, exifDirectory, dateTimeOriginalTag, entry) || entry.type != typeAscii ||
      entry.count < dateLength || !bytes.u32(entry.valueAt, at) || at > size || size - at < dateLength)
    return "";
  const char* text = reinterpret_cast<const char*>(tiff + at);
  // Cameras without a clock write blanks or zeros; those and any other damage say nothing.
  static const char shape[] = "dddd:dd:dd dd:dd:dd";
  for (size_t i = 0; i < dateLength; ++i)
    if (shape[i] == 'd' ? !isDigit(tiff[at + i]) : tiff[at + i] != shape[i]) return "";
  if (std::string(text, 4) == "0000") return "";
  return std::string(text, dateLength);
}
