#include "photos/decode_ahead.h"

#include <algorithm>

DecodeAhead::DecodeAhead(ListWalk walk, bool forward, std::size_t tries, std::size_t wanted, unsigned workers,
                         unsigned lookAhead, Decode decode)
    : decode(std::move(decode)), walk(walk), forward(forward), tries(tries), wanted(wanted),
      lookAhead(std::max(1u, lookAhead)) {
  for (unsigned i = 0; i < std::max(1u, workers); ++i) threads.emplace_back([this] { work(); });
}

DecodeAhead::~DecodeAhead() {
  {
    std::lock_guard<std::mutex> guard(lock);
    stopping = true;
  }
  changed.notify_all();
  for (std::thread& thread : threads) thread.join();
}

bool DecodeAhead::mayStart() const {
  // The fill tries entries until it has `wanted` pictures, so the next `wanted - decodedTaken`
  // positions after those taken are tried for sure. Beyond them (a failed upload needs one more
  // try) a position starts only once the fill waits for it.
  const std::size_t sure = wanted > decodedTaken ? wanted - decodedTaken : 0;
  const std::size_t ahead = std::min(lookAhead, sure);
  return next < tries && (next < taken + ahead || (waiting && next == taken));
}

void DecodeAhead::work() {
  std::unique_lock<std::mutex> guard(lock);
  for (;;) {
    changed.wait(guard, [this] { return stopping || mayStart(); });
    if (stopping) return;
    const std::size_t position = next++;
    // Entries are drawn from the walk in sequence order, under the lock.
    Slot& slot = slots.emplace_back();
    slot.entry = walk.next(forward);
    const std::ptrdiff_t entry = slot.entry;
    guard.unlock();
    TexelImage texels;
    const bool decoded = entry >= 0 && decode(entry, texels);
    guard.lock();
    Slot& finished = slots[position - taken];  // slots before it may have been taken meanwhile
    finished.texels = std::move(texels);
    finished.decoded = decoded;
    finished.done = true;
    changed.notify_all();
  }
}

bool DecodeAhead::take(std::ptrdiff_t entry, TexelImage& out) {
  std::unique_lock<std::mutex> guard(lock);
  waiting = true;
  changed.notify_all();
  changed.wait(guard, [this] { return !slots.empty() && slots.front().done; });
  waiting = false;
  Slot slot = std::move(slots.front());
  slots.pop_front();
  ++taken;
  const bool promised = slot.entry == entry;
  if (promised && slot.decoded) ++decodedTaken;
  guard.unlock();
  changed.notify_all();
  if (promised) {
    out = std::move(slot.texels);
    return slot.decoded;
  }
  // Not the entry the walk promised: decode it here.
  const bool decoded = decode(entry, out);
  if (decoded) {
    guard.lock();
    ++decodedTaken;
    guard.unlock();
    changed.notify_all();
  }
  return decoded;
}

std::size_t DecodeAhead::started() const {
  std::lock_guard<std::mutex> guard(lock);
  return next;
}
