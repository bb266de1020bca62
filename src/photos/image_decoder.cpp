#include "photos/image_decoder.h"

#include <windows.h>
#include <wincodec.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "photos/exif_orientation.h"
#include "photos/picture_header.h"
#include "photos/texel_image.h"
#include "platform/path_text.h"
#include "platform/thread_imaging.h"

namespace {
// A layout the texture code takes as it is.
struct DirectLayout {
  const GUID* format;
  int bytesPerPixel;
  uint32_t rMask, gMask, bMask, aMask;
};
const DirectLayout directLayouts[] = {
    {&GUID_WICPixelFormat24bppBGR, 3, 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0},
    {&GUID_WICPixelFormat24bppRGB, 3, 0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0},
    {&GUID_WICPixelFormat32bppBGR, 4, 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0},
    {&GUID_WICPixelFormat32bppBGRA, 4, 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u},
    {&GUID_WICPixelFormat32bppRGBA, 4, 0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0xFF000000u},
};

const DirectLayout* directLayout(const GUID& format) {
  for (const DirectLayout& layout : directLayouts)
    if (IsEqualGUID(*layout.format, format)) return &layout;
  return nullptr;
}

// Whether pixels of this format carry transparency (an alpha channel, or a palette with
// transparent entries).
bool hasAlpha(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, const GUID& format) {
  if (IsEqualGUID(format, GUID_WICPixelFormat32bppPBGRA) ||
      IsEqualGUID(format, GUID_WICPixelFormat64bppRGBA) ||
      IsEqualGUID(format, GUID_WICPixelFormat64bppPRGBA) ||
      IsEqualGUID(format, GUID_WICPixelFormat32bppPRGBA))
    return true;
  if (IsEqualGUID(format, GUID_WICPixelFormat1bppIndexed) ||
      IsEqualGUID(format, GUID_WICPixelFormat2bppIndexed) ||
      IsEqualGUID(format, GUID_WICPixelFormat4bppIndexed) ||
      IsEqualGUID(format, GUID_WICPixelFormat8bppIndexed)) {
    ComPtr<IWICPalette> palette;
    BOOL alpha = FALSE;
    if (SUCCEEDED(factory->CreatePalette(palette.out())) &&
        SUCCEEDED(frame->CopyPalette(palette.get())) && SUCCEEDED(palette->HasAlpha(&alpha)))
      return alpha != FALSE;
    return false;
  }
  ComPtr<IWICComponentInfo> info;
  ComPtr<IWICPixelFormatInfo2> formatInfo;
  BOOL transparency = FALSE;
  if (SUCCEEDED(factory->CreateComponentInfo(format, info.out())) &&
      SUCCEEDED(info->QueryInterface(IID_IWICPixelFormatInfo2,
                                     reinterpret_cast<void**>(formatInfo.out()))) &&
      SUCCEEDED(formatInfo->SupportsTransparency(&transparency)))
    return transparency != FALSE;
  return false;
}

bool pixelBytes(int pitch, int height, UINT& size) {
  const uint64_t total = static_cast<uint64_t>(pitch) * static_cast<uint64_t>(height);
  if (total > 0xFFFFFFFFu) return false;
  size = static_cast<UINT>(total);
  return true;
}

ImageSurface* copyInto(IWICBitmapSource* source, UINT width, UINT height, int bytesPerPixel,
                       uint32_t rMask, uint32_t gMask, uint32_t bMask, uint32_t aMask) {
  ImageSurface* surface = createSurface(static_cast<int>(width), static_cast<int>(height),
                                        bytesPerPixel, rMask, gMask, bMask, aMask);
  UINT size = 0;
  if (!surface || !pixelBytes(surface->pitch, surface->h, size) ||
      FAILED(source->CopyPixels(nullptr, static_cast<UINT>(surface->pitch), size,
                                static_cast<BYTE*>(surface->pixels)))) {
    freeSurface(surface);
    return nullptr;
  }
  return surface;
}

// Copies a source row by row into a fresh 24-bit BGR surface; `pack` turns one row of
// 4-byte source pixels into 3-byte BGR pixels. For sources a converter cannot give as 24 bits.
template <typename Pack>
ImageSurface* copyRowsAsBgr(IWICBitmapSource* source, UINT width, UINT height, Pack pack) {
  ImageSurface* surface = createSurface(static_cast<int>(width), static_cast<int>(height), 3,
                                        0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0);
  if (!surface) return nullptr;
  std::unique_ptr<BYTE[]> row(new (std::nothrow) BYTE[static_cast<size_t>(width) * 4]);
  if (!row) {
    freeSurface(surface);
    return nullptr;
  }
  for (UINT y = 0; y < height; ++y) {
    const WICRect line = {0, static_cast<INT>(y), static_cast<INT>(width), 1};
    if (FAILED(source->CopyPixels(&line, width * 4, width * 4, row.get()))) {
      freeSurface(surface);
      return nullptr;
    }
    pack(row.get(), static_cast<BYTE*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch, width);
  }
  return surface;
}

void packBgra(const BYTE* source, BYTE* target, UINT width) {
  for (UINT x = 0; x < width; ++x) {
    target[x * 3 + 0] = source[x * 4 + 0];
    target[x * 3 + 1] = source[x * 4 + 1];
    target[x * 3 + 2] = source[x * 4 + 2];
  }
}

// CMYK as the JPEG decoder hands it (ink amounts 0..255, already un-inverted).
void packCmyk(const BYTE* ink, BYTE* target, UINT width) {
  for (UINT x = 0; x < width; ++x, ink += 4) {
    const unsigned white = 255u - ink[3];
    target[x * 3 + 0] = static_cast<BYTE>((255u - ink[2]) * white / 255u);
    target[x * 3 + 1] = static_cast<BYTE>((255u - ink[1]) * white / 255u);
    target[x * 3 + 2] = static_cast<BYTE>((255u - ink[0]) * white / 255u);
  }
}

bool convertTo(IWICImagingFactory* factory, IWICBitmapSource* source, const GUID& target,
               ComPtr<IWICFormatConverter>& converter) {
  return SUCCEEDED(factory->CreateFormatConverter(converter.out())) &&
         SUCCEEDED(converter->Initialize(source, target, WICBitmapDitherTypeNone, nullptr, 0.0,
                                         WICBitmapPaletteTypeCustom));
}

// Converts the pixels of `source` (the frame, or the frame scaled) whose palette, if any, is the
// frame's.
ImageSurface* convertFrame(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, IWICBitmapSource* source,
                           const GUID& format, UINT width, UINT height) {
  const bool alpha = hasAlpha(factory, frame, format);
  if (!alpha) {
    ComPtr<IWICFormatConverter> toBgr;
    if (convertTo(factory, source, GUID_WICPixelFormat24bppBGR, toBgr))
      if (ImageSurface* surface = copyInto(toBgr.get(), width, height, 3, 0x00FF0000u, 0x0000FF00u,
                                           0x000000FFu, 0))
        return surface;
  }
  // Every source format converts to 32-bit BGRA; without alpha the fourth byte is dropped.
  ComPtr<IWICFormatConverter> toBgra;
  if (convertTo(factory, source, GUID_WICPixelFormat32bppBGRA, toBgra)) {
    ImageSurface* surface =
        alpha ? copyInto(toBgra.get(), width, height, 4, 0x00FF0000u, 0x0000FF00u, 0x000000FFu,
                         0xFF000000u)
              : copyRowsAsBgr(toBgra.get(), width, height, packBgra);
    if (surface) return surface;
  }
  if (IsEqualGUID(format, GUID_WICPixelFormat32bppCMYK)) return copyRowsAsBgr(source, width, height, packCmyk);
  return nullptr;
}

// The header of the file at `path`, read from its first bytes; a file that cannot be read
// gives the empty header (and WIC then reports it).
PictureHeader readFileHeader(const std::wstring& path) {
  PictureHeader header;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return header;
  std::unique_ptr<uint8_t[]> start(new (std::nothrow) uint8_t[pictureHeaderBytes]);
  DWORD read = 0;
  if (start && ReadFile(file, start.get(), pictureHeaderBytes, &read, nullptr))
    header = readPictureHeader(start.get(), read);
  CloseHandle(file);
  return header;
}
}  // namespace

PictureHeader readFileHeader(const char* path) { return readFileHeader(widePath(path)); }

ImageSurface* loadImage(const char* path, uint32_t maxSize) {
  if (!path || !*path) return nullptr;
  // Some decoders (Wine's PNG one) decode the whole picture as they open it.
  const std::wstring wide = widePath(path);
  const PictureHeader header = readFileHeader(wide);
  if (exceedsPictureSizeLimit(header.width, header.height)) return nullptr;
  ThreadImaging imaging;  // outlives every COM object below
  IWICImagingFactory* factory = imaging.factory;
  if (!factory) return nullptr;

  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())))
    return nullptr;

  UINT width = 0, height = 0;
  GUID format = {};
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
      exceedsPictureSizeLimit(width, height) || FAILED(frame->GetPixelFormat(&format)))
    return nullptr;

  // Only JPEGs carry an orientation here; JPEG decoders scale down cheaply as they decode.
  const bool jpeg = header.format == PictureFormat::jpeg;
  const int orientation = jpeg ? header.orientation : orientationAsStored;
  const uint32_t scale = !jpeg                     ? 1
                         : swapsSides(orientation) ? decodeScale(height, width, maxSize)
                                                   : decodeScale(width, height, maxSize);
  IWICBitmapSource* source = frame.get();
  ComPtr<IWICBitmapScaler> scaler;
  const UINT scaledWidth = (width + scale - 1) / scale, scaledHeight = (height + scale - 1) / scale;
  if (scale > 1 && SUCCEEDED(factory->CreateBitmapScaler(scaler.out())) &&
      SUCCEEDED(scaler->Initialize(frame.get(), scaledWidth, scaledHeight, WICBitmapInterpolationModeFant))) {
    source = scaler.get();
    width = scaledWidth;
    height = scaledHeight;
  }

  const DirectLayout* layout = directLayout(format);
  ImageSurface* surface =
      layout ? copyInto(source, width, height, layout->bytesPerPixel, layout->rMask, layout->gMask, layout->bMask,
                        layout->aMask)
             : convertFrame(factory, frame.get(), source, format, width, height);
  if (surface) surface->orientation = orientation;
  return surface;
}
