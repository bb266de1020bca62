#include "benchmark_pictures.h"

#include <wincodec.h>

#include <cmath>
#include <cstdint>

std::vector<BYTE> makeBenchmarkPicture(UINT width, UINT height, int seed) {
  std::vector<BYTE> pixels(static_cast<size_t>(width) * height * 3);
  uint32_t noise = 12345u + static_cast<uint32_t>(seed) * 7919u;
  const double phase = seed * 0.7;
  auto channel = [](int value) { return static_cast<BYTE>(value < 0 ? 0 : value > 255 ? 255 : value); };
  for (UINT y = 0; y < height; ++y) {
    BYTE* row = &pixels[static_cast<size_t>(y) * width * 3];
    for (UINT x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const int grain = static_cast<int>((noise >> 24) & 15) - 8;
      const double u = static_cast<double>(x) / width, v = static_cast<double>(y) / height;
      row[x * 3 + 0] = channel(static_cast<int>(120 + 100 * std::sin(u * 7.0 + v * 3.0 + phase)) + grain);
      row[x * 3 + 1] = channel(static_cast<int>(110 + 90 * std::cos(v * 5.0 - u * 2.0 + phase)) + grain);
      row[x * 3 + 2] = channel(static_cast<int>(128 + 110 * std::sin((u + v) * 4.0 - phase)) + grain);
    }
  }
  return pixels;
}

bool writeBenchmarkPicture(const wchar_t* path, const GUID& container, UINT width, UINT height,
                           int seed) {
  const std::vector<BYTE> pixels = makeBenchmarkPicture(width, height, seed);
  const bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  IPropertyBag2* options = nullptr;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  const bool ok =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(path, GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) && SUCCEEDED(frame->Initialize(options)) &&
      SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
      IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
      SUCCEEDED(frame->WritePixels(height, width * 3, static_cast<UINT>(pixels.size()),
                                   const_cast<BYTE*>(pixels.data()))) &&
      SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  if (options) options->Release();
  if (frame) frame->Release();
  if (encoder) encoder->Release();
  if (stream) stream->Release();
  if (factory) factory->Release();
  if (comStarted) CoUninitialize();
  return ok;
}
