#include "platform/thread_imaging.h"

ThreadImaging::ThreadImaging() {
  const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  comStarted = SUCCEEDED(started);
  CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                   reinterpret_cast<void**>(&factory));
}

ThreadImaging::~ThreadImaging() {
  if (factory) factory->Release();
  if (comStarted) CoUninitialize();
}
