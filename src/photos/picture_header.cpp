#include "photos/picture_header.h"

#include <cstring>

#include "photos/exif_orientation.h"

namespace {
uint32_t bigEndian16(const uint8_t* p) { return (uint32_t{p[0]} << 8) | p[1]; }
uint32_t bigEndian32(const uint8_t* p) { return (bigEndian16(p) << 16) | bigEndian16(p + 2); }
uint32_t littleEndian16(const uint8_t* p) { return (uint32_t{p[1]} << 8) | p[0]; }
uint32_t littleEndian32(const uint8_t* p) { return (littleEndian16(p + 2) << 16) | littleEndian16(p); }

bool startsWith(const uint8_t* data, size_t size, const char* prefix, size_t length) {
  return size >= length && std::memcmp(data, prefix, length) == 0;
}

// Frame headers (SOF0-SOF15) carry the size; C4 (Huffman tables), C8 (reserved) and CC
// (arithmetic coding) share their range but are not frames.
bool isFrameHeader(uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the segments before the scan: the first Exif APP1 gives the orientation and the date
// taken, the frame
// header the size.
void readJpeg(const uint8_t* data, size_t size, PictureHeader& header) {
  bool orientationSeen = false;
  size_t at = 2;
  while (at < size) {
    if (data[at] != 0xFF) return;
    while (at < size && data[at] == 0xFF) ++at;  // fill bytes
    if (at >= size) return;
    const uint8_t marker = data[at++];
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
    if (marker == 0xD9 || marker == 0xDA || size - at < 2) return;      // image end, scan
    const size_t length = bigEndian16(data + at);
    if (length < 2) return;
    const uint8_t* body = data + at + 2;
    // A segment cut off by the end of the bytes is read as far as it goes.
    const size_t available = size - at - 2 < length - 2 ? size - at - 2 : length - 2;
    if (marker == 0xE1 && !orientationSeen && startsWith(body, available, "Exif\0\0", 6)) {
      orientationSeen = true;
      header.orientation = tiffOrientation(body + 6, available - 6);
      header.dateTaken = tiffDateTaken(body + 6, available - 6);
    } else if (isFrameHeader(marker)) {
      if (available >= 5) {
        header.height = bigEndian16(body + 1);
        header.width = bigEndian16(body + 3);
      }
      return;
    }
    at += length;
  }
}

void readBmp(const uint8_t* data, size_t size, PictureHeader& header) {
  if (size < 18) return;
  const uint32_t infoSize = littleEndian32(data + 14);
  if (infoSize == 12) {  // the old OS/2 header: 16-bit sides
    if (size < 22) return;
    header.width = littleEndian16(data + 18);
    header.height = littleEndian16(data + 20);
  } else if (infoSize >= 40 && size >= 26) {
    // Signed sides; a negative height marks rows stored top down.
    const auto width = static_cast<int32_t>(littleEndian32(data + 18));
    const auto height = static_cast<int32_t>(littleEndian32(data + 22));
    header.width = width < 0 ? 0u - static_cast<uint32_t>(width) : static_cast<uint32_t>(width);
    header.height = height < 0 ? 0u - static_cast<uint32_t>(height) : static_cast<uint32_t>(height);
  }
}
}  // namespace

PictureHeader readPictureHeader(const uint8_t* data, size_t size) {
  PictureHeader header;
  if (!data) return header;
  if (startsWith(data, size, "\xFF\xD8", 2)) {
    header.format = PictureFormat::jpeg;
    readJpeg(data, size, header);
  } else if (startsWith(data, size, "\x89PNG\r\n\x1A\n", 8)) {
    header.format = PictureFormat::png;
    if (size >= 24 && std::memcmp(data + 12, "IHDR", 4) == 0) {
      header.width = bigEndian32(data + 16);
      header.height = bigEndian32(data + 20);
    }
  } else if (startsWith(data, size, "BM", 2)) {
    header.format = PictureFormat::bmp;
    readBmp(data, size, header);
  } else if (startsWith(data, size, "GIF87a", 6) || startsWith(data, size, "GIF89a", 6)) {
    header.format = PictureFormat::gif;
    if (size >= 10) {
      header.width = littleEndian16(data + 6);
      header.height = littleEndian16(data + 8);
    }
  }
  return header;
}
