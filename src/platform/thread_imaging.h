#pragma once
// The Windows Imaging Component on the calling thread: COM started for as long as it is needed,
// an imaging factory, and COM interfaces released when they go out of scope.
#include <windows.h>
#include <wincodec.h>

// Releases a COM interface when it goes out of scope.
template <typename T>
class ComPtr {
public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (pointer) pointer->Release();
  }
  T* operator->() const { return pointer; }
  T* get() const { return pointer; }
  T** out() { return &pointer; }
  explicit operator bool() const { return pointer != nullptr; }

private:
  T* pointer = nullptr;
};

// COM and an imaging factory for the calling thread, for the length of one task (a decode, the
// decoder enumeration). A factory kept for the thread's lifetime (thread_local) would be
// released as the thread ends, after COM has torn down the thread's apartment and unloaded the
// codec library: the release then jumps into unloaded code, and worker threads crash as they
// finish. Declare it before every COM object it serves, so that it outlives them.
class ThreadImaging {
public:
  // Starts COM apartment-threaded, as the shell dialogs of the main thread want it; a thread
  // that already chose another model keeps it (RPC_E_CHANGED_MODE) and COM works all the same.
  ThreadImaging();
  // Releases the factory, then ends COM if this object started it.
  ~ThreadImaging();
  ThreadImaging(const ThreadImaging&) = delete;
  ThreadImaging& operator=(const ThreadImaging&) = delete;

  IWICImagingFactory* factory = nullptr;  // none when the imaging component is missing

private:
  bool comStarted = false;
};
