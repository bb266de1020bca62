#include "photos/decode_pipeline.h"

#include <algorithm>
#include <thread>

DecodePipeline::DecodePipeline(DecodeAhead::Decode decode, std::size_t entries, std::size_t wanted,
                               unsigned workers)
    : decode(std::move(decode)), entries(entries), wanted(wanted), workers(std::max(1u, workers)) {}

DecodePipeline::~DecodePipeline() = default;

std::unique_ptr<DecodeAhead> DecodePipeline::start(const ListWalk& walk, unsigned lookAhead) const {
  return std::make_unique<DecodeAhead>(walk, entries, wanted, workers, lookAhead, decode);
}

unsigned DecodePipeline::windowLookAhead() const {
  return static_cast<unsigned>(std::min<std::size_t>(wanted, 1u << 16));
}

void DecodePipeline::retire(std::unique_ptr<DecodeAhead> decoder) {
  if (!decoder) return;
  decoder->stop();
  retired.push_back(std::move(decoder));
}

void DecodePipeline::fillStarted(const ListWalk& walk) {
  retire(std::move(fillDecodes));
  if (ahead && ahead->decodes(walk)) {
    fillDecodes = std::move(ahead);
    return;
  }
  retire(std::move(ahead));
  // A few pictures ahead of the one the fill waits for keep every worker busy.
  fillDecodes = start(walk, 2 * workers);
}

bool DecodePipeline::ready() const { return fillDecodes && fillDecodes->ready(); }

bool DecodePipeline::waitReady(unsigned milliseconds) { return !fillDecodes || fillDecodes->waitReady(milliseconds); }

bool DecodePipeline::take(std::ptrdiff_t entry, TexelImage& out) {
  if (!fillDecodes) return decode(entry, out);
  return fillDecodes->take(entry, out);
}

void DecodePipeline::fillEnded() { retire(std::move(fillDecodes)); }

void DecodePipeline::prefetch(const ListWalk& walk) {
  if (ahead && ahead->decodes(walk)) return;  // started early
  retire(std::move(ahead));
  ahead = start(walk, windowLookAhead());
}

void DecodePipeline::prefetchEarly() {
  if (ahead || !fillDecodes || !fillDecodes->decodedAll()) return;
  ahead = start(fillDecodes->walkAfter(), windowLookAhead());
}

void DecodePipeline::reap() {
  retired.erase(std::remove_if(retired.begin(), retired.end(),
                               [](const std::unique_ptr<DecodeAhead>& decoder) { return decoder->idle(); }),
                retired.end());
}

void DecodePipeline::detachAll() {
  retire(std::move(fillDecodes));
  retire(std::move(ahead));
  if (retired.empty()) return;
  std::thread([leaving = std::move(retired)]() mutable { leaving.clear(); }).detach();
  retired.clear();
}
