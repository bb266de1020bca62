#include "photos/texel_image.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

TexelImage& TexelImage::operator=(TexelImage&& other) noexcept {
  if (this != &other) {
    clear();
    texels = other.texels;
    textureWidth = other.textureWidth;
    textureHeight = other.textureHeight;
    imageWidth = other.imageWidth;
    imageHeight = other.imageHeight;
    bytesPerTexel = other.bytesPerTexel;
    other.texels = nullptr;
    other.clear();
  }
  return *this;
}

void TexelImage::clear() {
  std::free(texels);
  texels = nullptr;
  textureWidth = textureHeight = 0;
  imageWidth = imageHeight = 0;
  bytesPerTexel = 0;
}

uint32_t paddedSide(uint32_t side) {
  uint32_t padded = 2;
  while (padded < side) padded *= 2;
  return padded;
}

Reduction planReduction(uint32_t textureWidth, uint32_t textureHeight, uint32_t maxSize) {
  Reduction plan;
  plan.width = textureWidth;
  plan.height = textureHeight;
  if (maxSize == 0) return plan;
  uint32_t limit = 1;
  while (limit <= maxSize / 2) limit *= 2;
  if (limit >= textureWidth) return plan;
  plan.reduce = true;
  plan.fx = textureWidth / limit;
  plan.width = limit;
  plan.height = textureHeight / plan.fx;
  if (plan.height == 0) plan.height = 1;
  plan.fy = textureHeight / plan.height;
  return plan;
}

uint32_t decodeScale(uint32_t uprightWidth, uint32_t uprightHeight, uint32_t maxSize) {
  const uint32_t textureWidth = paddedSide(uprightWidth), textureHeight = paddedSide(uprightHeight);
  const Reduction plan = planReduction(textureWidth, textureHeight, maxSize);
  // Dividing both padded sides by the scale keeps the texture while neither side drops below
  // the smallest padded side, 2.
  uint32_t scale = 1;
  while (scale < 8 && scale * 2 <= plan.fx && textureHeight / (scale * 2) >= 2) scale *= 2;
  return scale;
}

namespace {
// Reads one pixel's channels: the surface's layout turned into R, G, B, A bytes.
class ChannelReader {
public:
  explicit ChannelReader(const PixelFormat& format, int bytesOut) : bytes(format.bytesPerPixel) {
    const uint32_t masks[4] = {format.rMask, format.gMask, format.bMask, format.aMask};
    const int shifts[4] = {format.rShift - format.rLoss, format.gShift - format.gLoss,
                           format.bShift - format.bLoss, format.aShift - format.aLoss};
    for (int c = 0; c < 4; ++c) {
      mask[c] = masks[c];
      shift[c] = shifts[c];
    }
    // A 32-bit picture without alpha (32bpp BGR) would upload as fully transparent texels.
    opaque = bytesOut == 4 && format.aMask == 0;
    // The usual layouts keep each channel in a byte of its own: read those bytes directly.
    bytewise = true;
    for (int c = 0; c < 4; ++c) {
      offset[c] = -1;
      if (mask[c] == 0) continue;
      if (shift[c] < 0 || shift[c] % 8 != 0 || shift[c] / 8 >= bytes || mask[c] != 0xFFu << shift[c])
        bytewise = false;
      else
        offset[c] = shift[c] / 8;
    }
  }

  // The R, G, B(, A) values of the pixel at `p`.
  void read(const uint8_t* p, int bytesOut, int* channels) const {
    if (bytewise) {
      for (int c = 0; c < bytesOut; ++c)
        channels[c] = offset[c] >= 0 ? p[offset[c]] : (c == 3 && opaque ? 255 : 0);
      return;
    }
    const uint32_t v = value(p);
    for (int c = 0; c < bytesOut; ++c) channels[c] = channel(v, c);
  }

  uint32_t value(const uint8_t* p) const {
    uint32_t v = p[0];
    if (bytes > 1) v |= static_cast<uint32_t>(p[1]) << 8;
    if (bytes > 2) v |= static_cast<uint32_t>(p[2]) << 16;
    if (bytes > 3) v |= static_cast<uint32_t>(p[3]) << 24;
    return v;
  }
  uint8_t channel(uint32_t v, int c) const {
    if (mask[c] == 0) return c == 3 && opaque ? 255 : 0;
    const uint32_t bits = v & mask[c];
    return static_cast<uint8_t>(shift[c] >= 0 ? bits >> shift[c] : bits << -shift[c]);
  }

  int bytes;

private:
  uint32_t mask[4];
  int shift[4];
  int offset[4];
  bool opaque = false;
  bool bytewise = false;
};

int outputBytes(const PixelFormat& format) { return format.bytesPerPixel == 4 ? 4 : 3; }

uint8_t* allocateTexels(uint64_t width, uint64_t height, int bytesOut) {
  const uint64_t size = width * height * static_cast<uint64_t>(bytesOut);
  if (size == 0 || size > (uint64_t{1} << 34)) return nullptr;
  return static_cast<uint8_t*>(std::calloc(static_cast<size_t>(size), 1));
}

// Where the upright picture's pixels lie in the surface: pixel (x, y) of the upright picture,
// y counted from its top, starts at origin + x * across + y * down bytes.
struct UprightView {
  const uint8_t* origin;
  ptrdiff_t across, down;
  int width, height;
  bool quarterTurned = false;  // upright rows run down the surface's columns
};

UprightView uprightView(const ImageSurface& surface) {
  const auto* pixels = static_cast<const uint8_t*>(surface.pixels);
  const ptrdiff_t pixel = surface.format->bytesPerPixel, row = surface.pitch;
  const ptrdiff_t lastColumn = (surface.w - 1) * pixel, lastRow = (surface.h - 1) * row;
  switch (surface.orientation) {
    case 2: return {pixels + lastColumn, -pixel, row, surface.w, surface.h};
    case 3: return {pixels + lastRow + lastColumn, -pixel, -row, surface.w, surface.h};
    case 4: return {pixels + lastRow, pixel, -row, surface.w, surface.h};
    case 5: return {pixels, row, pixel, surface.h, surface.w, true};
    case 6: return {pixels + lastRow, -row, pixel, surface.h, surface.w, true};
    case 7: return {pixels + lastRow + lastColumn, -row, -pixel, surface.h, surface.w, true};
    case 8: return {pixels + lastColumn, row, -pixel, surface.h, surface.w, true};
    default: return {pixels, pixel, row, surface.w, surface.h};
  }
}

// How many texels of a row one pass reads. A picture turned a quarter is read down the
// surface's columns; in square tiles the cache lines one row touches serve the next rows too.
uint32_t tileWidth(const UprightView& view) {
  return view.quarterTurned ? 64u : static_cast<uint32_t>(view.width);
}

// One padded row as read from the surface: texel `column` starts at start + column * step.
// `start` is none in the zero padding above the picture.
struct RowView {
  const uint8_t* start;
  ptrdiff_t step;
};

RowView sourceRow(const UprightView& view, uint32_t row) {
  if (row >= static_cast<uint32_t>(view.height)) return {nullptr, 0};
  return {view.origin + static_cast<ptrdiff_t>(view.height - 1 - static_cast<int>(row)) * view.down, view.across};
}

// Channels of texel `column` of a padded row.
inline void rowTexel(const RowView& row, uint32_t column, uint32_t width, const ChannelReader& reader,
                     int bytesOut, int* channels) {
  if (!row.start || column >= width) {
    for (int c = 0; c < bytesOut; ++c) channels[c] = 0;
    return;
  }
  reader.read(row.start + static_cast<ptrdiff_t>(column) * row.step, bytesOut, channels);
}

// The picture's texels into rows `textureWidth` texels apart (its own width when unpadded).
void repackPadded(const UprightView& view, const ChannelReader& reader, int bytesOut, uint8_t* texels,
                  uint32_t textureWidth) {
  const auto width = static_cast<uint32_t>(view.width), height = static_cast<uint32_t>(view.height);
  const uint32_t tile = tileWidth(view);
  for (uint32_t firstRow = 0; firstRow < height; firstRow += tile)
    for (uint32_t firstColumn = 0; firstColumn < width; firstColumn += tile) {
      const uint32_t rowEnd = firstRow + tile < height ? firstRow + tile : height;
      const uint32_t columnEnd = firstColumn + tile < width ? firstColumn + tile : width;
      for (uint32_t row = firstRow; row < rowEnd; ++row) {
        const RowView source = sourceRow(view, row);
        const uint8_t* pixel = source.start + static_cast<ptrdiff_t>(firstColumn) * source.step;
        uint8_t* target = texels + (static_cast<size_t>(row) * textureWidth + firstColumn) * bytesOut;
        int channels[4];
        for (uint32_t x = firstColumn; x < columnEnd; ++x, pixel += source.step, target += bytesOut) {
          reader.read(pixel, bytesOut, channels);
          for (int c = 0; c < bytesOut; ++c) target[c] = static_cast<uint8_t>(channels[c]);
        }
      }
    }
}

// The reduced texels, row by row, the first `width` x `height` of the plan's (all of it when
// padded). A reduction halves the padded width at least (both it and the limit are powers of
// two), so the right neighbour of a sampled texel never wraps into the next row, and the row
// below a sampled row is the next padded row (or the last row itself at the top edge).
void reduce(const UprightView& view, const ChannelReader& reader, int bytesOut, const Reduction& plan,
            bool smoothing, uint32_t textureHeight, uint8_t* texels, uint32_t width, uint32_t height) {
  const auto pictureWidth = static_cast<uint32_t>(view.width);
  const uint32_t tile = tileWidth(view);
  int a[4], b[4], c[4], d[4];
  for (uint32_t firstRow = 0; firstRow < height; firstRow += tile)
    for (uint32_t firstX = 0; firstX < width; firstX += tile) {
      const uint32_t rowEnd = firstRow + tile < height ? firstRow + tile : height;
      const uint32_t xEnd = firstX + tile < width ? firstX + tile : width;
      for (uint32_t r = firstRow; r < rowEnd; ++r) {
        const uint32_t row = r * plan.fy;
        const uint32_t below = row + 1 < textureHeight ? row + 1 : textureHeight - 1;
        const RowView upper = sourceRow(view, row);
        const RowView lower = sourceRow(view, below);
        uint8_t* target = texels + (static_cast<size_t>(r) * width + firstX) * bytesOut;
        for (uint32_t x = firstX; x < xEnd; ++x, target += bytesOut) {
          const uint32_t column = x * plan.fx;
          rowTexel(upper, column, pictureWidth, reader, bytesOut, a);
          if (!smoothing) {
            for (int k = 0; k < bytesOut; ++k) target[k] = static_cast<uint8_t>(a[k]);
            continue;
          }
          rowTexel(upper, column + 1, pictureWidth, reader, bytesOut, b);
          rowTexel(lower, column, pictureWidth, reader, bytesOut, c);
          rowTexel(lower, column + 1, pictureWidth, reader, bytesOut, d);
          for (int k = 0; k < bytesOut; ++k)
            target[k] = static_cast<uint8_t>((a[k] + b[k] + c[k] + d[k]) / 4);
        }
      }
    }
}
}  // namespace

bool makeTexels(const ImageSurface& surface, const TextureOptions& options, TexelImage& out) {
  out.clear();
  if (!surface.format || !surface.pixels || surface.w <= 0 || surface.h <= 0) return false;
  const PixelFormat& format = *surface.format;
  if (format.bytesPerPixel < 1 || format.bytesPerPixel > 4) return false;
  if (surface.pitch < surface.w * format.bytesPerPixel) return false;
  if (surface.w > (1 << 30) || surface.h > (1 << 30)) return false;

  const UprightView view = uprightView(surface);
  const uint32_t textureWidth = paddedSide(static_cast<uint32_t>(view.width));
  const uint32_t textureHeight = paddedSide(static_cast<uint32_t>(view.height));
  const int bytesOut = outputBytes(format);
  const ChannelReader reader(format, bytesOut);
  const Reduction plan = planReduction(textureWidth, textureHeight, options.maxSize);

  int imageWidth = view.width, imageHeight = view.height;
  if (plan.reduce) {
    imageWidth = static_cast<int>(static_cast<double>(view.width) / plan.fx);
    imageHeight = static_cast<int>(static_cast<double>(view.height) / plan.fy);
    // A very flat or narrow picture would otherwise keep no texel of its own and get an
    // infinite aspect.
    if (imageWidth < 1) imageWidth = 1;
    if (imageHeight < 1) imageHeight = 1;
  }
  // Unpadded, the texture is the picture: the padded texture's lower left corner.
  const uint32_t width = options.padded ? plan.width : static_cast<uint32_t>(imageWidth);
  const uint32_t height = options.padded ? plan.height : static_cast<uint32_t>(imageHeight);
  uint8_t* texels = allocateTexels(width, height, bytesOut);
  if (!texels) return false;
  if (plan.reduce)
    reduce(view, reader, bytesOut, plan, options.smoothing, textureHeight, texels, width, height);
  else
    repackPadded(view, reader, bytesOut, texels, width);
  out.texels = texels;
  out.imageWidth = imageWidth;
  out.imageHeight = imageHeight;
  out.textureWidth = width;
  out.textureHeight = height;
  out.bytesPerTexel = bytesOut;
  return true;
}

bool driverTakesAnySide(const char* version, const char* extensions) {
  // GL_VERSION starts "major.minor", optionally followed by vendor text.
  if (version && std::strtol(version, nullptr, 10) >= 2) return true;
  // Extension names are separated by spaces; a longer name that merely starts alike is another.
  static const char wanted[] = "GL_ARB_texture_non_power_of_two";
  const size_t length = sizeof wanted - 1;
  for (const char* c = extensions ? extensions : ""; *c;) {
    while (*c == ' ') ++c;
    const char* end = c;
    while (*end && *end != ' ') ++end;
    if (static_cast<size_t>(end - c) == length && std::memcmp(c, wanted, length) == 0) return true;
    c = end;
  }
  return false;
}
