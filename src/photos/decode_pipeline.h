#pragma once
// The decoders behind a photo window's fills: the one of the fill under way, one decoding the
// next window in the direction of travel while the show runs, and the ones a jump left
// behind. Nobody waits for a decode that is no longer wanted: a dropped decoder finishes the
// decodes under way on its own and is destroyed once idle. Platform-free; the decoding is
// handed in.
#include <cstddef>
#include <memory>
#include <vector>

#include "photos/decode_ahead.h"

class DecodePipeline {
public:
  // `entries`: the list's size; `wanted`: the photos a fill wants (the window, or the whole
  // list when it is smaller); `workers` threads per decoder (at least one).
  DecodePipeline(DecodeAhead::Decode decode, std::size_t entries, std::size_t wanted, unsigned workers);
  // Waits for every decode under way (see detachAll for leaving at once).
  ~DecodePipeline();
  DecodePipeline(const DecodePipeline&) = delete;
  DecodePipeline& operator=(const DecodePipeline&) = delete;

  // A fill starts walking from `walk`: it takes over the prefetch when that decodes exactly
  // this sequence, otherwise the prefetch is dropped and the fill's decoding starts.
  void fillStarted(const ListWalk& walk);
  // True when the fill's next picture is decoded.
  bool ready() const;
  // ready(), waiting for it up to `milliseconds`.
  bool waitReady(unsigned milliseconds);
  // The fill's next picture, list entry `entry`: waits for its decode. True when it decoded.
  bool take(std::ptrdiff_t entry, TexelImage& out);
  // The fill has ended: what its decoder still holds is dropped.
  void fillEnded();
  // Starts decoding the window a fill from `walk` would load, at most one window of pictures
  // held at a time. Replaces an older prefetch.
  void prefetch(const ListWalk& walk);
  // Once the fill's pictures are all decoded (their uploads may still be to come), starts
  // decoding the window after it in the same direction; the fill's end then keeps it.
  void prefetchEarly();
  // Destroys the dropped decoders that have become idle; never waits. Once per frame.
  void reap();
  // Leaves every decoder to a thread of its own that destroys it when its decodes end, so the
  // caller can go at once (shut-down). The decode function must stay usable until then.
  void detachAll();

  bool prefetching() const { return ahead != nullptr; }
  // True when the prefetch's first picture is decoded.
  bool prefetchReady() const { return ahead && ahead->ready(); }
  std::size_t dropped() const { return retired.size(); }

private:
  std::unique_ptr<DecodeAhead> start(const ListWalk& walk, unsigned lookAhead) const;
  // A prefetch decodes the whole window ahead, so crossing into it costs only the uploads.
  unsigned windowLookAhead() const;
  void retire(std::unique_ptr<DecodeAhead> decoder);

  DecodeAhead::Decode decode;
  std::size_t entries;
  std::size_t wanted;
  unsigned workers;
  std::unique_ptr<DecodeAhead> fillDecodes;  // the fill's
  std::unique_ptr<DecodeAhead> ahead;    // the next window's
  std::vector<std::unique_ptr<DecodeAhead>> retired;
};
