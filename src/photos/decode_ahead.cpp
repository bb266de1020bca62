#include "photos/decode_ahead.h"

#include <algorithm>
#include <chrono>

DecodeAhead::DecodeAhead(ListWalk walk, std::size_t tries, std::size_t wanted, unsigned workers, unsigned lookAhead,
                         Decode decode)
    : decode(std::move(decode)), origin(walk), walk(walk), tries(tries), wanted(wanted),
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
  // The fill tries entries until it has `wanted` pictures, so a position is tried for sure
  // when fewer than `wanted` positions before it can still decode, that is, unless enough of
  // them are known to have failed. Beyond that (a failed upload needs one more try) a
  // position starts only once the fill waits for it.
  // Pictures that failed hold no memory, so they do not count against the look-ahead. The
  // first picture is decoded alone: the show is waiting for it, and a second decode at the
  // same time would only halve its share of the processors.
  const bool sure = next < wanted + failed;
  const std::size_t held = next - taken - (failed - failedTaken);
  const bool firstDone = succeeded + failed > 0;
  return next < tries && ((sure && held < lookAhead && (next == 0 || firstDone)) || (waiting && next == taken));
}

void DecodeAhead::work() {
  std::unique_lock<std::mutex> guard(lock);
  for (;;) {
    changed.wait(guard, [this] { return stopping || mayStart(); });
    if (stopping) return;
    const std::size_t position = next++;
    // Entries are drawn from the walk in sequence order, under the lock.
    Slot& slot = slots.emplace_back();
    slot.entry = walk.next();
    const std::ptrdiff_t entry = slot.entry;
    ++busy;
    guard.unlock();
    TexelImage texels;
    const bool decoded = entry >= 0 && decode(entry, texels);
    guard.lock();
    --busy;
    if (stopping) {
      changed.notify_all();
      continue;  // the slots are gone; the picture goes with `texels`
    }
    Slot& finished = slots[position - taken];  // slots before it may have been taken meanwhile
    finished.texels = std::move(texels);
    finished.decoded = decoded;
    finished.done = true;
    if (decoded)
      ++succeeded;
    else
      ++failed;
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
  if (!slot.decoded) ++failedTaken;
  guard.unlock();
  changed.notify_all();
  if (promised) {
    out = std::move(slot.texels);
    return slot.decoded;
  }
  // Not the entry the walk promised: decode it here.
  return decode(entry, out);
}

bool DecodeAhead::ready() const {
  std::lock_guard<std::mutex> guard(lock);
  return !slots.empty() && slots.front().done;
}

bool DecodeAhead::waitReady(unsigned milliseconds) {
  std::unique_lock<std::mutex> guard(lock);
  waiting = true;  // the position the fill waits for may start now
  changed.notify_all();
  const bool ready = changed.wait_for(guard, std::chrono::milliseconds(milliseconds),
                                      [this] { return !slots.empty() && slots.front().done; });
  waiting = false;
  return ready;
}

bool DecodeAhead::decodes(const ListWalk& from) const {
  std::lock_guard<std::mutex> guard(lock);
  return taken == 0 && from == origin;
}

bool DecodeAhead::decodedAll() const {
  std::lock_guard<std::mutex> guard(lock);
  return succeeded >= wanted;
}

ListWalk DecodeAhead::walkAfter() const {
  std::lock_guard<std::mutex> guard(lock);
  return walk;
}

void DecodeAhead::stop() {
  std::deque<Slot> dropped;
  {
    std::lock_guard<std::mutex> guard(lock);
    stopping = true;
    dropped.swap(slots);
  }
  changed.notify_all();
}

bool DecodeAhead::idle() const {
  std::lock_guard<std::mutex> guard(lock);
  return stopping && busy == 0;
}

std::size_t DecodeAhead::started() const {
  std::lock_guard<std::mutex> guard(lock);
  return next;
}
