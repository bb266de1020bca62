#include "photos/exif_orientation.h"

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
constexpr uint32_t typeShort = 3;
constexpr size_t entrySize = 12;
}  // namespace

int tiffOrientation(const uint8_t* tiff, size_t size) {
  if (!tiff || size < 8) return orientationAsStored;
  bool bigEndian;
  if (tiff[0] == 'M' && tiff[1] == 'M')
    bigEndian = true;
  else if (tiff[0] == 'I' && tiff[1] == 'I')
    bigEndian = false;
  else
    return orientationAsStored;
  const TiffBytes bytes(tiff, size, bigEndian);
  uint32_t magic = 0, directory = 0, entries = 0;
  if (!bytes.u16(2, magic) || magic != 42 || !bytes.u32(4, directory) || !bytes.u16(directory, entries))
    return orientationAsStored;
  for (uint32_t i = 0; i < entries; ++i) {
    const size_t entry = size_t{directory} + 2 + size_t{i} * entrySize;
    uint32_t tag = 0, type = 0, count = 0, value = 0;
    if (!bytes.u16(entry, tag) || !bytes.u16(entry + 2, type) || !bytes.u32(entry + 4, count) ||
        !bytes.u16(entry + 8, value))
      return orientationAsStored;
    if (tag != orientationTag) continue;
    // One SHORT, stored in the first two bytes of the value field.
    if (type != typeShort || count != 1 || value < orientationAsStored || value > orientationLast)
      return orientationAsStored;
    return static_cast<int>(value);
  }
  return orientationAsStored;
}
