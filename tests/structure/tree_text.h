#pragma once
// Helpers for checking structure trees: a compact dump, reading and writing texts in
// memory, and the comparison used by the round-trip checks.
#include <cstring>
#include <memory>
#include <string>

#include "structure/structure.h"
#include "structure/structure_reader.h"
#include "structure/structure_storage.h"

// The tree as one line: keys as name=value; sections as name{...}, with "@reference" and
// "=file" after the name when present; inherited nodes start with "*". Names and values
// are shown as they are, so use texts without the characters of this notation.
inline std::string dumpTree(const Structure& node);
inline std::string dumpChildren(const Structure& node) {
  std::string text;
  for (uint32_t i = 0; i < node.childCount(); ++i) text += dumpTree(*node.childAt(i));
  return text;
}
inline std::string dumpTree(const Structure& node) {
  std::string text = node.inherited() ? "*" : "";
  text += node.nameString();
  if (node.hasValue()) return text + "=" + *node.valueString() + ";";
  if (node.reference()) text += std::string("@") + node.reference();
  if (node.file()) text += std::string("=") + node.file();
  return text + "{" + dumpChildren(node) + "}";
}

// Reads `text` (LF line ends) into `root`, which gets the standard type unless `type` says
// otherwise.
inline bool readText(Structure& root, const std::string& text, uint32_t type = Structure::standardType) {
  root.setType(type);
  return StructureReader(root).read(text.data(), text.size());
}

// The tree read from `text` as readText reads it, whether or not the reading ends well.
inline std::unique_ptr<Structure> tree(const std::string& text, uint32_t type = Structure::standardType) {
  auto root = std::make_unique<Structure>();
  readText(*root, text, type);
  return root;
}

// The written form of the children of `root` (LF line ends).
inline std::string writeText(Structure& root) {
  struct : StructureOutput {
    bool put(const char* data, size_t length) override {
      text.append(data, length);
      return true;
    }
    std::string text;
  } output;
  for (uint32_t i = 0; i < root.childCount(); ++i) root.childAt(i)->write(&output, 0, true);
  return output.text;
}

// The non-inherited nodes below `node`, every text prefixed with its length so that no name
// or value can imitate the notation.
inline std::string ownNodes(const Structure& node) {
  auto text = [](char kind, const char* bytes, size_t length) {
    return bytes ? kind + std::to_string(length) + ":" + std::string(bytes, length) : std::string();
  };
  std::string dump;
  for (uint32_t i = 0; i < node.childCount(); ++i) {
    const Structure& child = *node.childAt(i);
    if (child.inherited()) continue;
    const char *reference = child.reference(), *file = child.file();
    dump += text('n', child.name(), child.nameString().size()) +
            text('v', child.value(), child.hasValue() ? child.valueString()->size() : 0) +
            text('r', reference, reference ? strlen(reference) : 0) + text('f', file, file ? strlen(file) : 0) +
            "{" + ownNodes(child) + "}";
  }
  return dump;
}

// Compares the non-inherited nodes of two trees: names, values, references, files, order
// and nesting. Empty when they agree, else both.
inline std::string compareWithoutInherited(const Structure& expected, const Structure& actual) {
  std::string left = ownNodes(expected), right = ownNodes(actual);
  return left == right ? std::string() : left + "\n  became\n" + right;
}
