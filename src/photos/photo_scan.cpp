#include "photos/photo_scan.h"

#include <thread>

PhotoScan::PhotoScan(Scan scan)
    : state(std::make_shared<State>()), scanner([shared = state, scan = std::move(scan)] {
        scan(*shared->list, shared->cancel);
        std::lock_guard<std::mutex> guard(shared->lock);
        shared->finished = true;
        shared->done.notify_all();
      }) {}

PhotoScan::~PhotoScan() {
  cancel();
  scanner.join();
}

bool PhotoScan::finished() const {
  std::lock_guard<std::mutex> guard(state->lock);
  return state->finished;
}

std::unique_ptr<PhotoList> PhotoScan::take() {
  std::unique_lock<std::mutex> guard(state->lock);
  state->done.wait(guard, [this] { return state->finished; });
  auto list = std::make_unique<PhotoList>();
  if (!cancelled() && state->list) list.swap(state->list);
  state->list.reset();
  return list;
}
