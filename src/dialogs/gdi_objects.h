#pragma once
// Small owners for GDI objects, within one paint or for a window's life: each deletes its object, or puts the
// previously selected object back, when it goes out of scope.
#include <windows.h>

// Owns one GDI object (font, pen, brush, bitmap) and deletes it. Null stays null.
template <typename Handle>
class GdiObject {
public:
  explicit GdiObject(Handle object = nullptr) : object(object) {}
  ~GdiObject() {
    if (object) DeleteObject(object);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  Handle get() const { return object; }
  // Deletes the object held and takes `newObject` in its place.
  void reset(Handle newObject = nullptr) {
    if (object && object != newObject) DeleteObject(object);
    object = newObject;
  }
  explicit operator bool() const { return object != nullptr; }

private:
  Handle object;
};

// Selects an object into a device context and restores the previous one at scope end, so
// that the owned object is no longer selected when its GdiObject deletes it. A null object
// selects nothing.
class GdiSelection {
public:
  GdiSelection(HDC dc, HGDIOBJ object) : dc(dc), previous(object ? SelectObject(dc, object) : nullptr) {}
  ~GdiSelection() {
    if (previous) SelectObject(dc, previous);
  }
  GdiSelection(const GdiSelection&) = delete;
  GdiSelection& operator=(const GdiSelection&) = delete;

private:
  HDC dc;
  HGDIOBJ previous;
};

// A memory DC compatible with `dc`, deleted at scope end.
class MemoryDc {
public:
  explicit MemoryDc(HDC dc) : memory(CreateCompatibleDC(dc)) {}
  ~MemoryDc() {
    if (memory) DeleteDC(memory);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return memory; }

private:
  HDC memory;
};
