// The extensions of every picture decoder the Windows Imaging Component has installed.
#include <string>

#include "platform/thread_imaging.h"
#include "sources/photo_sources.h"

namespace {
// The decoder's extension list (".jpeg,.jpe,.jpg") in ANSI; empty when it cannot be read or
// holds a character outside ASCII (no file name the scan sees could match it reliably).
std::string extensionsOf(IWICBitmapCodecInfo* codec) {
  UINT length = 0;
  if (FAILED(codec->GetFileExtensions(0, nullptr, &length)) || length == 0) return {};
  std::wstring wide(length, L'\0');
  if (FAILED(codec->GetFileExtensions(length, &wide[0], &length))) return {};
  std::string ansi;
  for (wchar_t c : wide) {
    if (c == L'\0') break;
    if (c > 0x7E) return {};
    ansi += static_cast<char>(c);
  }
  return ansi;
}
}  // namespace

const PhotoExtensions& installedPhotoExtensions() {
  // A JPEG decoder's names are all the JPEG kind, so EXIF orientation and scaled decoding
  // apply to each of them. Without the imaging component the list keeps its own extensions.
  static const PhotoExtensions installed = [] {
    PhotoExtensions extensions;
    ThreadImaging imaging;  // outlives every COM object below
    ComPtr<IEnumUnknown> decoders;
    if (!imaging.factory || FAILED(imaging.factory->CreateComponentEnumerator(
                                WICDecoder, WICComponentEnumerateDefault, decoders.out())))
      return extensions;
    for (;;) {
      ComPtr<IUnknown> component;
      ULONG fetched = 0;
      if (decoders->Next(1, component.out(), &fetched) != S_OK || fetched != 1) break;
      ComPtr<IWICBitmapCodecInfo> codec;
      GUID container = {};
      if (FAILED(component->QueryInterface(IID_IWICBitmapCodecInfo, reinterpret_cast<void**>(codec.out()))))
        continue;
      const bool jpeg =
          SUCCEEDED(codec->GetContainerFormat(&container)) && IsEqualGUID(container, GUID_ContainerFormatJpeg);
      extensions.addList(extensionsOf(codec.get()).c_str(), jpeg ? kindJpg : kindOther);
    }
    return extensions;
  }();
  return installed;
}
