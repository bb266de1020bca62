#include "sources/photo_order.h"

#include <random>
#include <utility>

#include "sources/photo_list.h"

void shuffleList(PhotoList& list, const std::string& first, uint32_t seed) {
  auto& entries = list.entries;
  std::size_t fixed = 0;
  const std::ptrdiff_t start = first.empty() ? -1 : list.find(first);
  if (start >= 0) {
    std::swap(entries[0], entries[static_cast<std::size_t>(start)]);
    fixed = 1;
  }
  // Fisher-Yates with a generator whose numbers the C++ standard fixes: the same seed gives
  // the same order with every compiler (std::shuffle's use of them is the library's choice).
  std::mt19937 random(seed);
  for (std::size_t i = entries.size(); i > fixed + 1; --i) {
    const std::size_t j = fixed + static_cast<std::size_t>(random() % (i - fixed));
    std::swap(entries[i - 1], entries[j]);
  }
}
