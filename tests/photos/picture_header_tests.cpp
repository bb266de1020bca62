// Reading a picture file's format, size and EXIF orientation from its first bytes, before any
// decoder sees it: the forms cameras and phones write, and broken or hostile blocks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include "fuzz/picture_header_check.h"
#include "photos/exif_orientation.h"
#include "photos/picture_header.h"

namespace {
using Bytes = std::vector<uint8_t>;

// Appends each (value, size in bytes) in the given byte order.
void put(Bytes& out, std::initializer_list<std::pair<uint32_t, int>> fields, bool bigEndian) {
  for (auto [value, size] : fields)
    for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> 8 * (bigEndian ? size - 1 - i : i)));
}

struct Entry { uint32_t tag, type, count, value; };
// A TIFF block with one directory of `entries` (SHORT values in the first two value bytes).
Bytes tiff(bool bigEndian, std::initializer_list<Entry> entries, uint32_t directory = 8) {
  Bytes out(2, bigEndian ? 'M' : 'I');
  put(out, {{42, 2}, {directory, 4}, {static_cast<uint32_t>(entries.size()), 2}}, bigEndian);
  for (const Entry& e : entries) put(out, {{e.tag, 2}, {e.type, 2}, {e.count, 4}, {e.value, 2}, {0, 2}}, bigEndian);
  put(out, {{0, 4}}, bigEndian);  // no next directory
  return out;
}

// A JPEG: its start, `segments`, then the frame header `frame` (C0 baseline, C2 progressive...)
// of the given size and the scan.
Bytes jpeg(const Bytes& segments, uint8_t frame = 0xC0, uint16_t width = 7, uint16_t height = 5) {
  Bytes out{0xFF, 0xD8};
  out.insert(out.end(), segments.begin(), segments.end());
  out.insert(out.end(), {0xFF, frame, 0, 11, 8});
  put(out, {{height, 2}, {width, 2}}, true);
  out.insert(out.end(), {1, 1, 0x11, 0, 0xFF, 0xDA, 0, 2});
  return out;
}

// An Exif APP1 segment holding `block`, after a fill byte.
Bytes exif(const Bytes& block) {
  Bytes out{0xFF, 0xFF, 0xE1};
  put(out, {{static_cast<uint32_t>(block.size() + 8), 2}, {0x45786966, 4}, {0, 2}}, true);  // "Exif\0\0"
  out.insert(out.end(), block.begin(), block.end());
  return out;
}

// The segments cameras write before the frame: JFIF, Exif holding `block`, a Huffman table.
Bytes camera(const Bytes& block, const Bytes& more = {}) {
  Bytes out{0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
  for (const Bytes& part : {exif(block), more, Bytes{0xFF, 0xC4, 0, 4, 0, 0}}) out.insert(out.end(), part.begin(), part.end());
  return out;
}

const Entry width{256, 4, 1, 4000}, make{271, 2, 6, 20}, turned{274, 3, 1, 6};

// `bytes` with `patch` written over them from `at` on.
Bytes patched(Bytes bytes, size_t at, const Bytes& patch) {
  std::copy(patch.begin(), patch.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
  return bytes;
}
}  // namespace

TEST(ExifOrientation, TagOfTheFirstDirectoryInEitherByteOrder) {
  Bytes truncated = tiff(true, {make, turned}), valueLast = tiff(true, {turned});
  truncated.resize(8 + 2 + 12 + 6);  // cut inside the orientation entry
  valueLast.resize(8 + 2 + 10);      // the block ends with the value
  // A directory past 64 KB: the offset's high half counts.
  Bytes far[2] = {tiff(true, {turned}, 0x10008), tiff(false, {turned}, 0x10008)};
  for (Bytes& block : far) block.insert(block.begin() + 8, 0x10000, 0);
  const struct { const char* what; Bytes block; int expected; } cases[] = {
      {"big endian", tiff(true, {turned}), 6},
      {"little endian after other tags", tiff(false, {width, make, {274, 3, 1, 8}}), 8},
      {"tag missing", tiff(true, {width, make}), 1}, {"value 0", tiff(true, {{274, 3, 1, 0}}), 1},
      {"value 9", tiff(false, {{274, 3, 1, 9}}), 1}, {"not a SHORT", tiff(true, {{274, 4, 1, 6}}), 1},
      {"two values", tiff(true, {{274, 3, 2, 6}}), 1}, {"truncated entry", truncated, 1},
      {"value at the end of the block", valueLast, 6},
      {"directory outside the block", tiff(true, {turned}, 4000), 1},
      {"big endian far", far[0], 6}, {"little endian far", far[1], 6},
      {"mixed byte order MI", patched(tiff(true, {turned}), 0, {'M', 'I'}), 1},
      {"mixed byte order IM", patched(tiff(true, {turned}), 0, {'I', 'M'}), 1},
      {"mixed byte order MI, little endian", patched(tiff(false, {turned}), 0, {'M', 'I'}), 1},
      {"mixed byte order IM, little endian", patched(tiff(false, {turned}), 0, {'I', 'M'}), 1},
      {"no magic", patched(tiff(false, {turned}), 2, {43}), 1},
      {"the tag after the last counted entry", patched(tiff(true, {make, turned}), 9, {1}), 1},
  };
  for (const auto& c : cases) EXPECT_EQ(tiffOrientation(c.block.data(), c.block.size()), c.expected) << c.what;
  EXPECT_EQ(tiffOrientation(nullptr, 100), 1);
}

namespace {
// A TIFF block whose first directory points (tag 0x8769 of `pointerType`) to an Exif directory
// holding DateTimeOriginal (`count` bytes of type `type`) at offset `at`, where `date` follows.
Bytes dated(bool bigEndian, const std::string& date, uint32_t pointerType = 4, uint32_t count = 20, uint32_t at = 44,
            uint32_t type = 2) {
  Bytes out(2, bigEndian ? 'M' : 'I');
  put(out, {{42, 2}, {8, 4}, {1, 2}, {0x8769, 2}, {pointerType, 2}, {1, 4}, {26, 4}, {0, 4},
            {1, 2}, {0x9003, 2}, {type, 2}, {count, 4}, {at, 4}, {0, 4}}, bigEndian);
  out.insert(out.end(), date.begin(), date.end());
  out.push_back(0);
  return out;
}
}  // namespace

TEST(ExifDate, DateTakenFromTheExifDirectoryOrNothing) {
  const std::string taken = "2023:07:14 18:05:59";
  Bytes cut = dated(true, taken), ending = dated(false, taken, 4, 19), followed = dated(true, taken + "X");
  cut.resize(44 + 18);
  ending.resize(44 + 19);
  const struct { const char* what; Bytes block; std::string expected; } cases[] = {
      {"big endian", dated(true, taken), taken}, {"little endian", dated(false, taken), taken},
      {"pointer of type IFD", dated(true, taken, 13), taken}, {"not ASCII", dated(true, taken, 4, 20, 44, 7), ""},
      {"text ending with the block", ending, taken}, {"text followed by more", followed, taken},
      {"no Exif directory", tiff(true, {turned}), ""}, {"pointer of type SHORT", dated(true, taken, 3), ""},
      {"count too short", dated(false, taken, 4, 10), ""}, {"text cut off", cut, ""}, {"none", Bytes(), ""},
      {"text beyond the block", dated(true, taken, 4, 20, 4000), ""}, {"no clock: blanks", dated(true, "    :  :     :  :  "), ""},
      {"no clock: zeros", dated(true, "0000:00:00 00:00:00"), ""}, {"a letter", dated(false, "Y023:07:14 18:05:59"), ""}};
  for (const auto& c : cases) EXPECT_EQ(tiffDateTaken(c.block.data(), c.block.size()), c.expected) << c.what;
  const Bytes photo = jpeg(camera(dated(false, taken)));
  EXPECT_EQ(readPictureHeader(photo.data(), photo.size()).dateTaken, taken);
}

TEST(PictureHeader, FormatSizeAndOrientationOfEachKind) {
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  put(png, {{70000, 4}, {66000, 4}}, true);
  Bytes bmp{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0};
  Bytes os2{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, 0x40, 1, 0xF0, 0};
  const Bytes gif{'G', 'I', 'F', '8', '9', 'a', 0x20, 0x03, 0x58, 0x02};
  put(bmp, {{640, 4}, {static_cast<uint32_t>(-480), 4}}, false);  // rows stored top down
  // Exif blocks that end with the orientation's value, in a whole segment and in one cut off.
  Bytes last = tiff(true, {turned}), cut{0xFF, 0xD8};
  last.resize(8 + 2 + 10);
  const Bytes lastSegment = exif(last);
  cut.insert(cut.end(), lastSegment.begin(), lastSegment.end());
  cut[2 + 4] += 10;

  const struct { const char* what; Bytes bytes; PictureFormat format; uint32_t width, height; int orientation; }
      cases[] = {
      {"baseline JPEG turned", jpeg(camera(tiff(true, {turned})), 0xC0, 4000, 3000), PictureFormat::jpeg, 4000, 3000, 6},
      {"progressive JPEG", jpeg(camera(tiff(false, {{274, 3, 1, 8}})), 0xC2, 16000, 12000), PictureFormat::jpeg, 16000, 12000, 8},
      {"JPEG, Exif without the tag", jpeg(camera(tiff(false, {width})), 0xC7), PictureFormat::jpeg, 7, 5, 1},
      {"JPEG, the first of two Exif blocks", jpeg(camera(tiff(true, {turned}), exif(tiff(true, {{274, 3, 1, 8}})))),
       PictureFormat::jpeg, 7, 5, 6},
      // Segments that share the frame headers' range, and markers without a length.
      {"JPEG, SOF15 after DAC, JPG, RST0, RST7, TEM, BF and an empty APP2",
       jpeg({0xFF, 0xCC, 0, 4, 0, 0, 0xFF, 0xC8, 0, 4, 0, 0, 0xFF, 0xD0, 0xFF, 0xD7, 0xFF, 0x01,
             0xFF, 0xBF, 0, 7, 8, 0, 1, 0, 1, 0xFF, 0xE2, 0, 2}, 0xCF), PictureFormat::jpeg, 7, 5, 1},
      {"JPEG, Exif ending with the value", jpeg(camera(last)), PictureFormat::jpeg, 7, 5, 6},
      {"JPEG, Exif cut off by the end", cut, PictureFormat::jpeg, 0, 0, 6},
      {"JPEG ending before its frame", jpeg({0xFF, 0xD9, 0, 2}), PictureFormat::jpeg, 0, 0, 1},
      {"JPEG scan before a frame", jpeg({0xFF, 0xDA, 0, 2}), PictureFormat::jpeg, 0, 0, 1},
      {"JPEG frame too short for its size", Bytes{0xFF, 0xD8, 0xFF, 0xC0, 0, 6, 8, 0, 5, 0, 7, 0xFF}, PictureFormat::jpeg, 0, 0, 1},
      {"JPEG frame just long enough", Bytes{0xFF, 0xD8, 0xFF, 0xC0, 0, 7, 8, 0, 5, 0, 7, 0xFF}, PictureFormat::jpeg, 7, 5, 1},
      {"PNG", png, PictureFormat::png, 70000, 66000, 1}, {"BMP", bmp, PictureFormat::bmp, 640, 480, 1},
      {"OS/2 BMP", os2, PictureFormat::bmp, 320, 240, 1}, {"GIF", gif, PictureFormat::gif, 800, 600, 1},
      {"FF without D8", Bytes{0xFF, 0xE0, 0, 4, 0, 0}, PictureFormat::unknown, 0, 0, 1},
      {"PNG starting with Apple's CgBI", patched(png, 12, {'C', 'g', 'B', 'I'}), PictureFormat::png, 0, 0, 1},
      {"BMP with an unknown header", patched(bmp, 14, {39}), PictureFormat::bmp, 0, 0, 1},
      {"BMP of its signature alone", Bytes{'B', 'M'}, PictureFormat::bmp, 0, 0, 1},
      {"bzip2", Bytes{'B', 'Z', 'h', '9'}, PictureFormat::unknown, 0, 0, 1},
      {"GIF87a", Bytes{'G', 'I', 'F', '8', '7', 'a', 1, 0, 2, 0}, PictureFormat::gif, 1, 2, 1},
  };
  for (const auto& c : cases) {
    const PictureHeader h = readPictureHeader(c.bytes.data(), c.bytes.size());
    EXPECT_TRUE(h.format == c.format && h.width == c.width && h.height == c.height && h.orientation == c.orientation)
        << c.what << ": " << h.width << "x" << h.height << " orientation " << h.orientation;
  }
}

// Every input the fuzzer kept, its seeds and the decoder's test pictures pass its checks.
TEST(PictureHeader, FuzzCorpusReplays) {
  int checked = 0;
  for (const char* folder : {OVIX_PICTURE_FUZZ_DIR "/seeds", OVIX_PICTURE_FUZZ_DIR "/corpus", OVIX_TEST_PICTURES}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      std::ifstream file(entry.path(), std::ios::binary);
      const Bytes data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
      EXPECT_EQ(checkPictureHeader(data.data(), data.size()), "") << entry.path();
      ++checked;
    }
  }
  EXPECT_GE(checked, 20);
}
