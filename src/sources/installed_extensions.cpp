// The extensions of every picture decoder the Windows Imaging Component has installed.
#include <windows.h>
#include <wincodec.h>

#include <string>

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

// Adds the extensions of every installed decoder; a JPEG decoder's names are all the JPEG kind,
// so EXIF orientation and scaled decoding apply to each of them. Adds nothing when the imaging
// component is missing.
void addDecoderExtensions(PhotoExtensions& extensions) {
  IWICImagingFactory* factory = nullptr;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(&factory))))
    return;
  IEnumUnknown* decoders = nullptr;
  if (SUCCEEDED(factory->CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault, &decoders))) {
    IUnknown* component = nullptr;
    ULONG fetched = 0;
    while (decoders->Next(1, &component, &fetched) == S_OK && fetched == 1) {
      IWICBitmapCodecInfo* codec = nullptr;
      if (SUCCEEDED(component->QueryInterface(IID_IWICBitmapCodecInfo, reinterpret_cast<void**>(&codec)))) {
        GUID container = {};
        const bool jpeg = SUCCEEDED(codec->GetContainerFormat(&container)) &&
                          IsEqualGUID(container, GUID_ContainerFormatJpeg);
        extensions.addList(extensionsOf(codec).c_str(), jpeg ? kindJpg : kindOther);
        codec->Release();
      }
      component->Release();
    }
    decoders->Release();
  }
  factory->Release();
}
}  // namespace

const PhotoExtensions& installedPhotoExtensions() {
  static const PhotoExtensions installed = [] {
    PhotoExtensions extensions;
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    addDecoderExtensions(extensions);
    if (SUCCEEDED(com)) CoUninitialize();
    return extensions;
  }();
  return installed;
}
