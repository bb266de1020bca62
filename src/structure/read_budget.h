#pragma once
// Limits that keep reading a hostile file bounded in time, memory and stack: how deep
// sections may nest, how deep includes may go, and how much work references may do (each
// reference copies a section, and a chain of references doubling each other's content
// would otherwise grow exponentially with the length of the file).
#include <cstdint>

class Structure;

struct ReadBudget {
  static constexpr uint32_t maxSectionDepth = 200;
  static constexpr uint32_t maxLoadDepth = 16;
  static constexpr uint64_t referenceWork = 100000;  // nodes visited or copied per read

  uint64_t left = referenceWork;
  bool exhausted = false;
  uint32_t loadDepth = 0;

  // Takes `amount` from what is left; false (and exhausted from then on) when too little is.
  bool spend(uint64_t amount) {
    if (amount > left) {
      exhausted = true;
      left = 0;
      return false;
    }
    left -= amount;
    return true;
  }
  // The number of nodes in the subtree of `node`, counted no further than one past `left`.
  uint64_t sizeUpTo(const Structure* node) const;
};

// The budget of the read in progress on this thread, or none outside reading.
ReadBudget* currentReadBudget();

// Makes a fresh budget current for its lifetime unless one already is (nested reads share
// the outermost one).
class ReadSession {
public:
  ReadSession();
  ~ReadSession();
  ReadSession(const ReadSession&) = delete;
  ReadSession& operator=(const ReadSession&) = delete;
  ReadBudget& budget() { return *currentReadBudget(); }

private:
  ReadBudget own;
  bool outermost;
};
