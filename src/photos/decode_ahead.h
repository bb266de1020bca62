#pragma once
// Decoding the pictures a fill is going to try on worker threads, ahead of the thread that
// uploads them. The entries come from a copy of the list walk, so the workers decode exactly
// the sequence the fill will ask for, in that order. Platform-free: the decoding itself is
// handed in.
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "photos/photo_walk.h"
#include "photos/texel_image.h"

class DecodeAhead {
public:
  // Decodes list entry `entry` into `out`; false when it cannot be read. Runs on the workers,
  // several at once.
  using Decode = std::function<bool(std::ptrdiff_t entry, TexelImage& out)>;

  // Starts `workers` threads (at least one) decoding the entries that stepping `walk` yields,
  // at most `tries` of them. `wanted` is the number of pictures the fill
  // wants at most; only entries the fill is sure to try are decoded (never more than
  // `lookAhead` beyond the one it waits for), so nothing is decoded in vain when every picture
  // loads.
  DecodeAhead(ListWalk walk, std::size_t tries, std::size_t wanted, unsigned workers, unsigned lookAhead,
              Decode decode);
  // Stops the workers, waits for the decodes under way and drops every result not taken.
  ~DecodeAhead();
  DecodeAhead(const DecodeAhead&) = delete;
  DecodeAhead& operator=(const DecodeAhead&) = delete;

  // The next picture of the sequence, which must be list entry `entry`: waits until it is
  // decoded and moves it into `out`. True when it decoded. An entry that is not the next in the
  // sequence is decoded on the calling thread instead.
  bool take(std::ptrdiff_t entry, TexelImage& out);

  // True when the next picture of the sequence is decoded, so take() would not wait.
  bool ready() const;
  // ready(), waiting for it up to `milliseconds`.
  bool waitReady(unsigned milliseconds);
  // True when this object decodes the sequence a fill walking from `from` asks for, from its
  // start.
  bool decodes(const ListWalk& from) const;
  // True once the fill's `wanted` pictures are decoded; nothing is under way then, and the
  // next window's walk starts where this one's ended (walkAfter).
  bool decodedAll() const;
  ListWalk walkAfter() const;
  // Starts no further decode and drops every finished picture not taken; the decodes under
  // way end on their own. Does not wait.
  void stop();
  // True once stopped and no decode is under way: destroying it then waits for nothing.
  bool idle() const;

  // How many entries the workers have started on, for tests and benchmarks.
  std::size_t started() const;

private:
  struct Slot {
    std::ptrdiff_t entry = -1;
    bool done = false;
    bool decoded = false;
    TexelImage texels;
  };
  void work();
  // True when the workers may start on the next entry. Holds `lock`.
  bool mayStart() const;

  Decode decode;
  ListWalk origin;  // the walk as handed in
  ListWalk walk;
  std::size_t tries;
  std::size_t wanted;
  std::size_t lookAhead;

  mutable std::mutex lock;
  std::condition_variable changed;
  std::deque<Slot> slots;        // slots[0] is sequence position `taken`
  std::size_t taken = 0;         // pictures handed out
  std::size_t failed = 0;        // positions whose decode failed
  std::size_t failedTaken = 0;   // of which handed out
  std::size_t succeeded = 0;     // positions that decoded
  std::size_t next = 0;          // sequence position the next worker starts on
  bool waiting = false;          // the fill waits for position `taken`
  bool stopping = false;
  unsigned busy = 0;             // decodes under way
  std::vector<std::thread> threads;
};
