#pragma once
// Helpers for checking structure trees: a compact dump, reading and writing texts in
// memory, and the comparison used by the round-trip checks.
#include <string>

#include "structure/structure.h"
#include "structure/structure_storage.h"

class MemoryOutput : public StructureOutput {
public:
  bool put(const char* data, size_t length) override {
    text.append(data, length);
    return true;
  }
  std::string text;
};

// The tree as one line: keys as name=value; sections as name{...}, with "@reference" and
// "=file" after the name when present; inherited nodes start with "*". Names and values
// are shown as they are, so use texts without the characters of this notation.
std::string dumpTree(const Structure& node);
inline std::string dumpChildren(const Structure& node) {
  std::string text;
  for (uint32_t i = 0; i < node.childCount(); ++i) text += dumpTree(*node.childAt(i));
  return text;
}

// Reads `text` (LF line ends) into `root`, which gets type 3 unless `type` says otherwise.
bool readText(Structure& root, const std::string& text, uint32_t type = 3);
// The written form of the children of `root` (LF line ends).
std::string writeText(Structure& root);

// Compares the non-inherited nodes of two trees: names, values, references, files, order
// and nesting. Empty when they agree, else both around where they first differ.
std::string compareWithoutInherited(const Structure& expected, const Structure& actual);
