#include "picture_header_check.h"

#include <vector>

#include "photos/exif_orientation.h"
#include "photos/picture_header.h"

std::string checkPictureHeader(const uint8_t* data, size_t size) {
  // Exact-size copies, so that AddressSanitizer sees any read past the end.
  const std::vector<uint8_t> bytes(data, data + size);
  const PictureHeader header = readPictureHeader(bytes.data(), bytes.size());
  if (header.orientation < 1 || header.orientation > 8) return "orientation out of range";
  if (header.format == PictureFormat::unknown && (header.width || header.height))
    return "a size without a format";
  if (header.format != PictureFormat::jpeg && header.orientation != 1) return "orientation outside a JPEG";
  if (header.format != PictureFormat::jpeg && !header.dateTaken.empty()) return "a date outside a JPEG";
  // The same bytes as a bare TIFF block.
  const int tiff = tiffOrientation(bytes.data(), bytes.size());
  if (tiff < 1 || tiff > 8) return "TIFF orientation out of range";
  for (const std::string& date : {header.dateTaken, tiffDateTaken(bytes.data(), bytes.size())})
    if (!date.empty() && (date.size() != 19 || date[4] != ':' || date[10] != ' ')) return "a malformed date";
  // Any cut-off start is read without harm, and never finds a size the whole header lacks.
  for (size_t cut : {size / 2, size > 0 ? size - 1 : 0}) {
    const std::vector<uint8_t> start(data, data + cut);
    const PictureHeader part = readPictureHeader(start.data(), start.size());
    if (part.width && !header.width) return "a cut-off header has a size the whole one lacks";
  }
  return "";
}
