#pragma once
// The tree behind every structured text file of Ovix (config.conf, the language files).
// A node is a key (it has a value) or a section (no value, holds child nodes). Names and
// values are byte strings in the file's ANSI code page; nothing is ever converted.
//
// StructureReader reads the text format into a tree, fed in blocks of any size; the writer
// produces the canonical tab-indented form (structure_writer.cpp). A node's file, when it is
// not absolute, lies in the folder of the file that holds the node: files are found by their
// path, never by changing the process's current directory.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class StructureOutput;

// The plain decimal conversion of the settings: optional leading blanks and sign, then
// digits; the first other character ends it; no digits give 0. Values beyond the 32-bit
// range stop at its ends.
int32_t decimalValue(const char* text);

class Structure {
public:
  // Bits of `type`: the rules a node's body is read by. Nodes the reader creates take the
  // type of the node they are read into.
  static constexpr uint32_t mergeNames = 1;      // a name already present is reused
  static constexpr uint32_t readReferences = 2;  // "@" in a section header names a reference
  // Either bit lets "@" name a reference: a tree that merges names also reads references.
  static constexpr uint32_t acceptReferences = mergeNames | readReferences;
  // What every tree of Ovix is read with, and the type of every child added.
  static constexpr uint32_t standardType = mergeNames | readReferences;

  Structure();
  // Deep copy of name, value, file, inherited mark, reference and all children; the copy
  // has no parent and type 0.
  Structure(const Structure& source);
  Structure& operator=(const Structure&) = delete;
  // Deletes the whole subtree. Does not detach itself from a parent: delete a child through
  // its parent (setValue) or detach it first.
  ~Structure();

  // Sets the type on this node and every descendant.
  void setType(uint32_t newType);
  // Setting the mark marks every unmarked descendant first; clearing it clears it first on
  // marked ancestors. Any change to a node clears its mark this way.
  void setInherited(bool flag);

  // First child at index >= start with exactly this name (bytes, case-sensitive), or none.
  Structure* findChild(std::string_view childName, uint32_t start = 0) const;
  int32_t indexOfChild(std::string_view childName, uint32_t start = 0) const;
  // Position of `node` among the children from `start`; -1 when it is not a child here.
  int32_t indexOf(const Structure* node, uint32_t start = 0) const;
  // The first child of that name; when there is none and `create` is set, a new section
  // of that name appended. None otherwise.
  Structure* child(std::string_view childName, bool create);
  // Always a new child of the standard type (name none becomes ""), at `position` (out of range
  // appends), with the value given (none: a section). Removes this node's value first.
  Structure* addChild(const char* childName, const char* childValue = nullptr, int32_t position = -1);
  // Moves `node` (and its subtree) here at `position`, out of its former parent. False when
  // it already is a child here, or when it is this node or one of its ancestors.
  bool attachChild(Structure* node, int32_t position = -1);

  void setName(const char* text);  // none becomes ""
  // None removes the value; a text becomes the value and deletes all children, the file
  // and the reference.
  void setValue(const char* text);
  void setValue(std::string_view text);
  void setFile(const char* path);
  void setFile(std::string_view path);
  // Ignored while the node has a value.
  void setReference(const char* path);
  void setReference(std::string_view path);

  // The key node (created, appended, when missing); when it has no value and a default is
  // given, the default becomes its value. Clears the key's inherited mark.
  Structure* valueOr(const char* key, const char* defaultText);
  // Sets the value of the first child of that name, appending a key when there is none.
  Structure* setChildValue(const char* key, const char* text);

  // True when the value is "true" in any mix of upper and lower case.
  bool isTrue() const;
  // True when `node` is a child or a deeper descendant of this node.
  bool contains(const Structure* node) const;
  // Dotted path lookup: a leading "." starts at the root of the tree, otherwise here.
  Structure* findPath(const char* path);
  // Copies the children of the referenced section that this section does not have (marked
  // inherited) and merges same-named sub-sections recursively. `source` none looks the
  // reference up in `file`, when set, or from the parent.
  void resolveReference(Structure* source = nullptr);

  // Reads a file into this node (normally a new root of the standard type). A given path
  // becomes the node's file (and its name when it has none); the file is opened at
  // filePath(). A missing file reads as empty: true, nothing changes. False on a parse error
  // or without a file; what was read before the error stays.
  bool load(const char* path = nullptr);
  // Where this node's file is opened: the file itself when it is absolute or no file holds
  // this node; otherwise the file within the folder of the file that holds this node (the
  // nearest ancestor with a file and no reference), folders ending at a slash or backslash.
  // Empty without a file.
  std::string filePath() const;

  // Writes this node's children into its file (replacing the file only once the whole new
  // content is written). A given path becomes the file (and the name when it has none).
  // False when the node has no file or has a value, or when any file could not be written.
  bool save(const char* path = nullptr, int depth = 0);
  // Writes this node and its subtree to `output` at `depth` tabs; nodes with a file of their
  // own (includes) write their children into that file. False when any write failed.
  bool write(StructureOutput* output, int depth, bool withHeader);

  const char* name() const { return nameText.c_str(); }
  const std::string& nameString() const { return nameText; }
  bool hasValue() const { return valueText.has_value(); }
  const char* value() const { return valueText ? valueText->c_str() : nullptr; }
  const std::string* valueString() const { return valueText ? &*valueText : nullptr; }
  const char* file() const { return fileText ? fileText->c_str() : nullptr; }
  const char* reference() const { return referenceText ? referenceText->c_str() : nullptr; }
  uint32_t childCount() const { return static_cast<uint32_t>(children.size()); }
  Structure* childAt(uint32_t index) const { return children[index]; }
  Structure* parent() const { return parentNode; }
  bool inherited() const { return inheritedMark; }
  uint32_t type() const { return typeBits; }

private:
  friend class StructureReader;

  // Takes ownership. A change clears the inherited mark of this node and its ancestors.
  void insertChild(Structure* node, int32_t position, bool isChange = true);
  Structure* appendChild(std::string_view childName);  // a new section of the standard type
  void removeChildAt(uint32_t index);                   // releases ownership, no delete
  void deleteChildren();
  void dropNameIndex();
  void touch() { setInherited(false); }
  void resolveReferenceWithin(Structure* source, struct ReadBudget* budget);
  bool writeNode(StructureOutput* output, int depth, bool withHeader, bool& filesWritten);
  bool writeChildrenToFile(bool& filesWritten);

  std::vector<Structure*> children;  // owned
  uint32_t typeBits = 0;
  Structure* parentNode = nullptr;
  std::string nameText;
  std::optional<std::string> valueText;
  std::optional<std::string> fileText;
  bool inheritedMark = false;
  std::optional<std::string> referenceText;

  // Lookup by name for nodes with many children, so reading a file with thousands of keys
  // stays linear. Maps each name to the index of its first child; built on demand, kept up
  // to date on appends and dropped by any other change to the children.
  std::unique_ptr<std::unordered_map<std::string_view, uint32_t>> nameIndex;
};
