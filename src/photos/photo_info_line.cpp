// The photo info line: what the user asks about the photo shown large.
#include <windows.h>

#include <cstdio>

#include "glui/scene_line.h"
#include "photos/exif_orientation.h"
#include "photos/image_decoder.h"
#include "photos/photo_cache.h"
#include "photos/photo_info_line.h"
#include "photos/photo_show.h"
#include "photos/texture_image.h"
#include "platform/ansi_text.h"
#include "platform/path_text.h"

namespace {
// "2023-07-14 18:05" from EXIF's "2023:07:14 18:05:59".
std::string exifDateText(const std::string& date) {
  return date.substr(0, 4) + "-" + date.substr(5, 2) + "-" + date.substr(8, 2) + " " + date.substr(11, 5);
}

// The file's last change in local time, the same way; empty when the file cannot be asked.
std::string changeDateText(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  FILETIME local = {};
  SYSTEMTIME time = {};
  if (!GetFileAttributesExW(widePath(path).c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time))
    return "";
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                time.wMinute);
  return text;
}
}  // namespace

std::string photoInfoText(const PhotoList& list, std::ptrdiff_t entry) {
  const PhotoEntry& photo = *list.entries[static_cast<std::size_t>(entry)];
  const PictureHeader header = readFileHeader(photo.path.c_str());
  const bool turned = swapsSides(header.orientation);
  char text[96];
  std::snprintf(text, sizeof text, "%lld / %llu", static_cast<long long>(entry + 1),
                static_cast<unsigned long long>(list.size()));
  std::string line = text;
  line += "     " + cp1250FromUtf8(photo.name);  // names are UTF-8, the font draws Windows-1250
  if (header.width && header.height) {
    std::snprintf(text, sizeof text, "     %u x %u", turned ? header.height : header.width,
                  turned ? header.width : header.height);
    line += text;
  }
  const std::string date = header.dateTaken.empty() ? changeDateText(photo.path) : exifDateText(header.dateTaken);
  if (!date.empty()) line += "     " + date;
  return line;
}

std::ptrdiff_t PhotoShow::currentEntry() const {
  if (!largePhoto || !cache || largePhoto->entry < 0 ||
      static_cast<std::size_t>(largePhoto->entry) >= cache->photoList->size())
    return -1;
  return static_cast<std::ptrdiff_t>(largePhoto->entry);
}

std::string PhotoShow::currentPath() const {
  const std::ptrdiff_t entry = currentEntry();
  return entry < 0 ? std::string() : cache->photoList->entries[static_cast<std::size_t>(entry)]->path;
}

void PhotoShow::drawInfoLine() {
  const std::ptrdiff_t entry = currentEntry();
  if (entry < 0) return;
  // The text is made again only when the photo changes: the header is read from the file.
  if (!infoLine) {
    infoLine = std::make_unique<SceneLine>(ownerWindow, photoInfoText(*cache->photoList, entry));
    infoLine->height = 0.03f;  // below the film strip, whose lower edge stands at about 6 %
  } else if (infoEntry != entry) {
    infoLine->setText(photoInfoText(*cache->photoList, entry));
  }
  infoEntry = entry;
  infoLine->draw();
}
