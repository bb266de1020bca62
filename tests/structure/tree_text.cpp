#include "tree_text.h"

#include <vector>

std::string dumpTree(const Structure& node) {
  std::string text = node.inherited() ? "*" : "";
  text += node.nameString();
  if (node.hasValue()) return text + "=" + *node.valueString() + ";";
  if (node.reference()) text += std::string("@") + node.reference();
  if (node.file()) text += std::string("=") + node.file();
  return text + "{" + dumpChildren(node) + "}";
}

bool readText(Structure& root, const std::string& text, uint32_t type) {
  root.setType(type);
  bool result = root.read(text.data(), text.size(), 1);
  return root.read(nullptr, 0, 3) && result;
}

std::string writeText(Structure& root) {
  MemoryOutput output;
  for (uint32_t i = 0; i < root.childCount(); ++i) root.childAt(i)->write(&output, 0, true);
  return output.text;
}

namespace {
std::vector<const Structure*> ownChildren(const Structure& node) {
  std::vector<const Structure*> own;
  for (uint32_t i = 0; i < node.childCount(); ++i)
    if (!node.childAt(i)->inherited()) own.push_back(node.childAt(i));
  return own;
}

std::string optionalText(const char* text) { return text ? "\"" + std::string(text) + "\"" : "none"; }

std::string compareNodes(const Structure& expected, const Structure& actual, const std::string& where) {
  if (expected.nameString() != actual.nameString()) return where + ": name differs";
  if (expected.hasValue() != actual.hasValue() ||
      (expected.hasValue() && *expected.valueString() != *actual.valueString()))
    return where + ": value " + optionalText(expected.value()) + " became " + optionalText(actual.value());
  if (optionalText(expected.reference()) != optionalText(actual.reference()))
    return where + ": reference " + optionalText(expected.reference()) + " became " + optionalText(actual.reference());
  if (optionalText(expected.file()) != optionalText(actual.file()))
    return where + ": file " + optionalText(expected.file()) + " became " + optionalText(actual.file());
  std::vector<const Structure*> left = ownChildren(expected), right = ownChildren(actual);
  if (left.size() != right.size())
    return where + ": " + std::to_string(left.size()) + " children became " + std::to_string(right.size());
  for (size_t i = 0; i < left.size(); ++i) {
    std::string difference = compareNodes(*left[i], *right[i], where + "/" + left[i]->nameString());
    if (!difference.empty()) return difference;
  }
  return std::string();
}
}  // namespace

std::string compareWithoutInherited(const Structure& expected, const Structure& actual) {
  // The roots themselves are not written; only what they hold.
  std::vector<const Structure*> left = ownChildren(expected), right = ownChildren(actual);
  if (left.size() != right.size())
    return "top level: " + std::to_string(left.size()) + " nodes became " + std::to_string(right.size());
  for (size_t i = 0; i < left.size(); ++i) {
    std::string difference = compareNodes(*left[i], *right[i], left[i]->nameString());
    if (!difference.empty()) return difference;
  }
  return std::string();
}
