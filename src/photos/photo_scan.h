#pragma once
// A folder scan on a thread of its own, so that the scene keeps drawing and the window keeps
// answering while a big tree or a slow share is listed. Platform-free: the scan is handed in.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "sources/photo_list.h"

class PhotoScan {
public:
  // Fills `list`; must stop soon after `cancel` is set (checked per entry), since destroying
  // the PhotoScan waits for it. Runs on the scan's thread.
  using Scan = std::function<void(PhotoList& list, const std::atomic<bool>& cancel)>;

  // Starts the scan at once.
  explicit PhotoScan(Scan scan);
  // Cancels a scan still under way and waits for its thread, which the cancel ends at the
  // next entry: closing Ovix leaves no scan behind.
  ~PhotoScan();
  PhotoScan(const PhotoScan&) = delete;
  PhotoScan& operator=(const PhotoScan&) = delete;

  // True once the scan has returned.
  bool finished() const;
  // Waits for the scan and hands over its list; an
  // empty list when the scan was cancelled or the list was taken before.
  std::unique_ptr<PhotoList> take();
  // Asks the scan to stop; take() then gives an empty list. Safe from any thread.
  void cancel() { state->cancel.store(true); }
  bool cancelled() const { return state->cancel.load(); }
  // The flag that cancel() sets, for a cancel button on another thread; lives as long as this.
  std::atomic<bool>& cancelFlag() { return state->cancel; }

private:
  struct State {
    std::atomic<bool> cancel{false};
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
    std::unique_ptr<PhotoList> list = std::make_unique<PhotoList>();
  };
  std::shared_ptr<State> state;
  std::thread scanner;  // after the state it uses
};
