#pragma once
// Stand-ins for the photo cache's tests: a folder list of n photos and a decoder whose
// pictures arrive only when the test lets them.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "photos/texel_image.h"
#include "sources/photo_list.h"

// Fills `list` with the finished scan of n photos, p0.jpg .. p<n-1>.jpg.
inline void scanPhotos(PhotoList& list, int count) {
  for (int i = 0; i < count; ++i) list.append("C:\\photos", ("p" + std::to_string(i) + ".jpg").c_str(), kindJpg);
}

// Decodes entry e into a one-texel picture holding e once the test has opened e's gate (every
// gate when `allOpen`); the entries in `failing` fail. Thread-safe.
struct GatedDecode {
  std::mutex lock;
  std::condition_variable changed;
  std::set<std::ptrdiff_t> open, failing;
  bool allOpen = false;
  std::vector<std::ptrdiff_t> decoded;  // in the order the decodes finished
  std::size_t entered = 0;

  bool operator()(std::ptrdiff_t entry, TexelImage& out) {
    std::unique_lock<std::mutex> guard(lock);
    ++entered;
    changed.notify_all();
    changed.wait(guard, [&] { return allOpen || open.count(entry) > 0; });
    decoded.push_back(entry);
    changed.notify_all();
    if (failing.count(entry)) return false;
    out.texels = static_cast<uint8_t*>(std::calloc(4, 1));  // TexelImage frees with free
    out.texels[0] = static_cast<uint8_t>(entry);
    return true;
  }
  // Opens the gates of `entries`, or every gate.
  void release(std::initializer_list<std::ptrdiff_t> entries, bool all = false) {
    std::lock_guard<std::mutex> guard(lock);
    open.insert(entries);
    allOpen = allOpen || all;
    changed.notify_all();
  }
  // Waits until `count` decodes have finished, or with `entering`, have started; fails the
  // test after a minute.
  void waitFor(std::size_t count, bool entering = false) {
    std::unique_lock<std::mutex> guard(lock);
    if (!changed.wait_for(guard, std::chrono::minutes(1), [&] { return (entering ? entered : decoded.size()) >= count; }))
      ADD_FAILURE() << "waited a minute for " << count << (entering ? " decodes to start" : " decodes to finish");
  }
};
