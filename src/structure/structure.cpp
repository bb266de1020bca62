#include "structure/structure.h"

#include <climits>
#include <cstring>

#include "structure/read_budget.h"

int32_t decimalValue(const char* text) {
  if (!text) return 0;
  while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  int64_t number = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    number = number * 10 + (*text - '0');
    if (number > static_cast<int64_t>(INT32_MAX) + 1) number = static_cast<int64_t>(INT32_MAX) + 1;
  }
  if (negative) return static_cast<int32_t>(-number);
  return number > INT32_MAX ? INT32_MAX : static_cast<int32_t>(number);
}

Structure::Structure() = default;

Structure::Structure(const Structure& source)
    : nameText(source.nameText),
      valueText(source.valueText),
      fileText(source.fileText),
      inheritedMark(source.inheritedMark),
      referenceText(source.referenceText) {
  children.reserve(source.children.size());
  for (Structure* sourceChild : source.children) {
    Structure* copy = new Structure(*sourceChild);
    copy->parentNode = this;
    children.push_back(copy);
  }
}

Structure::~Structure() { deleteChildren(); }

void Structure::deleteChildren() {
  for (Structure* node : children) delete node;
  children.clear();
  nameIndex.reset();
}

void Structure::dropNameIndex() { nameIndex.reset(); }

void Structure::setType(uint32_t newType) {
  // Iterative, so that the depth of a tree is never limited by the stack.
  std::vector<Structure*> pending{this};
  while (!pending.empty()) {
    Structure* node = pending.back();
    pending.pop_back();
    node->typeBits = newType;
    pending.insert(pending.end(), node->children.begin(), node->children.end());
  }
}

void Structure::setInherited(bool flag) {
  if (flag) {
    if (inheritedMark) return;
    std::vector<Structure*> pending{this};
    while (!pending.empty()) {
      Structure* node = pending.back();
      pending.pop_back();
      node->inheritedMark = true;
      for (Structure* sub : node->children)
        if (!sub->inheritedMark) pending.push_back(sub);
    }
  } else {
    for (Structure* node = this; node && node->inheritedMark; node = node->parentNode)
      node->inheritedMark = false;
  }
}

Structure* Structure::findChild(std::string_view childName, uint32_t start) const {
  int32_t index = indexOfChild(childName, start);
  return index < 0 ? nullptr : children[static_cast<uint32_t>(index)];
}

int32_t Structure::indexOfChild(std::string_view childName, uint32_t start) const {
  constexpr size_t indexFrom = 16;  // short lists are scanned
  if (start == 0 && children.size() >= indexFrom) {
    auto& index = const_cast<Structure*>(this)->nameIndex;
    if (!index) {
      index = std::make_unique<std::unordered_map<std::string_view, uint32_t>>();
      index->reserve(children.size() * 2);
      for (uint32_t i = 0; i < children.size(); ++i) index->emplace(children[i]->nameText, i);
    }
    auto found = index->find(childName);
    return found == index->end() ? -1 : static_cast<int32_t>(found->second);
  }
  for (size_t i = start; i < children.size(); ++i)
    if (children[i]->nameText == childName) return static_cast<int32_t>(i);
  return -1;
}

int32_t Structure::indexOf(const Structure* node, uint32_t start) const {
  if (!node || node->parentNode != this) return -1;
  for (size_t i = start; i < children.size(); ++i)
    if (children[i] == node) return static_cast<int32_t>(i);
  return -1;
}

Structure* Structure::child(std::string_view childName, bool create) {
  Structure* found = findChild(childName, 0);
  if (found || !create) return found;
  return appendChild(childName);
}

Structure* Structure::appendChild(std::string_view childName) {
  Structure* node = new Structure;
  node->typeBits = standardType;
  node->nameText = childName;
  insertChild(node, -1);
  return node;
}

void Structure::insertChild(Structure* node, int32_t position, bool isChange) {
  valueText.reset();
  node->parentNode = this;
  if (position < 0 || static_cast<size_t>(position) >= children.size()) {
    children.push_back(node);
    if (nameIndex) nameIndex->emplace(node->nameText, static_cast<uint32_t>(children.size() - 1));
  } else {
    children.insert(children.begin() + position, node);
    dropNameIndex();
  }
  if (isChange) touch();
}

void Structure::removeChildAt(uint32_t index) {
  children[index]->parentNode = nullptr;
  children.erase(children.begin() + index);
  dropNameIndex();
  touch();
}

Structure* Structure::addChild(const char* childName, const char* childValue, int32_t position) {
  Structure* node = new Structure;
  node->typeBits = standardType;
  if (childName) node->nameText = childName;
  if (childValue) node->valueText = childValue;
  insertChild(node, position);
  return node;
}

bool Structure::attachChild(Structure* node, int32_t position) {
  if (!node || node->parentNode == this) return false;
  // Attaching this node or an ancestor of it would make the tree a loop.
  if (node == this || node->contains(this)) return false;
  if (Structure* former = node->parentNode) {
    int32_t index = former->indexOf(node);
    if (index >= 0) former->removeChildAt(static_cast<uint32_t>(index));
  }
  insertChild(node, position);
  return true;
}

void Structure::setName(const char* text) {
  if (parentNode) parentNode->dropNameIndex();
  nameText = text ? text : "";
  touch();
}

void Structure::setValue(const char* text) {
  if (!text) {
    valueText.reset();
    touch();
    return;
  }
  setValue(std::string_view(text));
}

void Structure::setValue(std::string_view text) {
  // A key is only a name and a value: a file or reference it held as a section would be
  // kept in memory but never written.
  deleteChildren();
  fileText.reset();
  referenceText.reset();
  valueText = std::string(text);
  touch();
}

void Structure::setFile(const char* path) {
  if (!path) {
    fileText.reset();
    touch();
    return;
  }
  setFile(std::string_view(path));
}

void Structure::setFile(std::string_view path) {
  fileText = std::string(path);
  touch();
}

void Structure::setReference(const char* path) {
  if (!path) {
    if (valueText) return;
    referenceText.reset();
    touch();
    return;
  }
  setReference(std::string_view(path));
}

void Structure::setReference(std::string_view path) {
  if (valueText) return;
  referenceText = std::string(path);
  touch();
}

Structure* Structure::valueOr(const char* key, const char* defaultText) {
  Structure* node = child(key, true);
  if (!node) return nullptr;
  if (!node->valueText && defaultText) node->setValue(defaultText);
  node->setInherited(false);
  return node;
}

Structure* Structure::setChildValue(const char* key, const char* text) {
  Structure* node = findChild(key, 0);
  if (!node) return addChild(key, text);
  node->setValue(text);
  return node;
}

bool Structure::isTrue() const {
  if (!valueText || valueText->size() != 4) return false;
  const char* expected = "true";
  for (size_t i = 0; i < 4; ++i) {
    char letter = (*valueText)[i];
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    if (letter != expected[i]) return false;
  }
  return true;
}

bool Structure::contains(const Structure* node) const {
  // Upwards from the node: the depth, not the size of this subtree, bounds the work.
  for (const Structure* above = node ? node->parentNode : nullptr; above; above = above->parentNode)
    if (above == this) return true;
  return false;
}

Structure* Structure::findPath(const char* path) {
  if (!path) return nullptr;
  Structure* node = this;
  if (*path == '.') {
    while (node->parentNode) node = node->parentNode;
    ++path;
  }
  if (!*path) return node;
  const char* part = path;
  while (node) {
    const char* end = strchr(part, '.');
    std::string_view partName(part, end ? static_cast<size_t>(end - part) : strlen(part));
    node = node->findChild(partName, 0);
    if (!end) break;
    part = end + 1;
  }
  return node;
}

namespace {
bool isFolderEnd(char c) { return c == '\\' || c == '/'; }

// A path that names its place without a folder to start from: "\\x", "/x", "C:...".
bool isAbsolutePath(const std::string& path) {
  return !path.empty() && (isFolderEnd(path[0]) || (path.size() > 1 && path[1] == ':'));
}
}  // namespace

std::string Structure::filePath() const {
  if (!fileText) return std::string();
  std::string path = *fileText;
  // Up through the files that hold this node, each relative to the one holding it.
  for (const Structure* above = parentNode; above && !isAbsolutePath(path); above = above->parentNode) {
    if (!above->fileText || above->referenceText) continue;
    const std::string& holder = *above->fileText;
    size_t folderEnd = holder.size();
    while (folderEnd > 0 && !isFolderEnd(holder[folderEnd - 1])) --folderEnd;
    path.insert(0, holder, 0, folderEnd);
  }
  return path;
}

void Structure::resolveReference(Structure* source) {
  ReadBudget* budget = currentReadBudget();
  std::unique_ptr<Structure> temporaryRoot;
  if (!source) {
    if (!referenceText) return;
    if (fileText) {
      temporaryRoot = std::make_unique<Structure>();
      temporaryRoot->setType(standardType);
      temporaryRoot->setFile(filePath());
      temporaryRoot->load();
      source = temporaryRoot->findPath(referenceText->c_str());
    } else if (parentNode) {
      source = parentNode->findPath(referenceText->c_str());
    }
  }
  if (!source || source == this || contains(source) || source->contains(this)) return;
  resolveReferenceWithin(source, budget);
  setInherited(false);
}

// `source` and this node lie in separate subtrees, and so do all their descendants.
void Structure::resolveReferenceWithin(Structure* source, ReadBudget* budget) {
  for (uint32_t i = 0; i < source->children.size(); ++i) {
    Structure* sourceChild = source->children[i];
    if (budget && !budget->spend(1)) break;
    Structure* own = findChild(sourceChild->nameText, 0);
    if (own) {
      if (!own->valueText && !sourceChild->valueText) own->resolveReferenceWithin(sourceChild, budget);
      continue;  // otherwise what this section states itself wins
    }
    if (budget && !budget->spend(budget->sizeUpTo(sourceChild))) break;
    Structure* copy = new Structure(*sourceChild);
    copy->setInherited(true);
    // Inherited content added to a section is no change of its own: an inherited section
    // that receives more of it stays inherited (and unwritten).
    insertChild(copy, -1, false);
  }
}
