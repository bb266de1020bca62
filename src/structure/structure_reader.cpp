// The reader of the structure text format: a character-by-character state machine whose
// state lives in the nodes it reads into.
//
// Every node whose body is being read keeps:
//   bodyState     0 idle, 5 after a blank, 1 in a comment, 2 in a section statement,
//                 3 in a key statement; negative: the body has ended (closed or failed).
//   sectionState  header reader: 0 waiting for "[", 1 reading the name, 2 the reference,
//                 3 the file, 4 the open child's body is being read; -1 own closing tag read.
//   tokenState    0 plain, 5 after a blank, 1 in a comment, 4 in a quoted run.
// A body in state 2 with sectionState 4 only passes its characters on to its open child.
// Rather than passing each character down through every open section (which would make
// reading quadratic in the nesting depth), the reader feeds the innermost open section
// directly and climbs back when that section's body ends.
#include <cstring>

#include "structure/read_budget.h"
#include "structure/structure.h"
#include "structure/structure_storage.h"

namespace {
thread_local ReadBudget* activeBudget = nullptr;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isQuote(char c) { return c == '"' || c == '\''; }
}  // namespace

ReadBudget* currentReadBudget() { return activeBudget; }

ReadSession::ReadSession() : outermost(activeBudget == nullptr) {
  if (outermost) activeBudget = &own;
}

ReadSession::~ReadSession() {
  if (outermost) activeBudget = nullptr;
}

uint64_t ReadBudget::sizeUpTo(const Structure* node) const {
  uint64_t count = 0;
  std::vector<const Structure*> pending{node};
  while (!pending.empty() && count <= left) {
    const Structure* next = pending.back();
    pending.pop_back();
    ++count;
    for (uint32_t i = 0; i < next->childCount(); ++i) pending.push_back(next->childAt(i));
  }
  return count;
}

class StructureReader {
public:
  // Reads `length` bytes into the body of `root`; false once that body has ended.
  static bool feed(Structure* root, const char* data, size_t length, ReadBudget& budget);

private:
  static void bodyCharacter(Structure* node, char c, ReadBudget& budget);
  // Returns true when the key statement has ended with this character.
  static bool keyCharacter(Structure* node, char c);
  // Returns false on an error in the header.
  static bool headerCharacter(Structure* node, char c, ReadBudget& budget);
  // Handles blanks, comments and quoted runs shared by key statements and headers. Returns
  // true when the character was consumed.
  static bool tokenCharacter(Structure* node, char c);
  static Structure* childNamed(Structure* node);
  static void clearToken(Structure* node) {
    node->token.clear();
    node->tokenStartsQuoted = false;
  }
  static void appendToToken(Structure* node, char c, bool quoted) {
    if (node->token.empty()) node->tokenStartsQuoted = quoted;
    node->token.push_back(c);
  }
  static uint32_t depthOf(const Structure* node);
};

uint32_t StructureReader::depthOf(const Structure* node) {
  uint32_t depth = 0;
  for (; node->parentNode && depth <= ReadBudget::maxSectionDepth; node = node->parentNode) ++depth;
  return depth;
}

bool StructureReader::tokenCharacter(Structure* node, char c) {
  switch (node->tokenState) {
    case 1:  // comment
      if (c == '\n' || c == '#') node->tokenState = 0;
      return true;
    case 4:  // quoted run
      if (!node->escapePending && c == (node->quoteKind == 1 ? '"' : '\'')) {
        node->tokenState = 0;
        node->quoteKind = 0;
      } else if (!node->escapePending && c == '\\') {
        node->escapePending = true;
      } else {
        appendToToken(node, c, true);
        node->escapePending = false;
      }
      return true;
    default:
      if (c == '#') {
        node->tokenState = 1;
      } else if (isBlank(c)) {
        node->tokenState = 5;
      } else if (isQuote(c)) {
        node->quoteKind = c == '"' ? 1 : 2;
        node->tokenState = 4;
      } else {
        return false;
      }
      return true;
  }
}

// The child the token names: with the merge bit the first of that name, else a new one.
Structure* StructureReader::childNamed(Structure* node) {
  Structure* found = (node->typeBits & Structure::mergeNames) ? node->findChild(node->token, 0) : nullptr;
  if (!found) found = node->appendChild(node->token);
  clearToken(node);
  found->setInherited(node->inheritedMark);
  if (found->typeBits != node->typeBits) found->setType(node->typeBits);  // walks the subtree
  node->currentChild = found;
  return found;
}

bool StructureReader::keyCharacter(Structure* node, char c) {
  if (tokenCharacter(node, c)) return false;
  if (c == '=') {
    childNamed(node);
    return false;
  }
  if (c == ';') {
    // A bare word followed by ";" names no key; it is dropped.
    if (node->currentChild) node->currentChild->setValue(std::string_view(node->token));
    clearToken(node);
    node->currentChild = nullptr;
    node->statementOpen = false;
    node->tokenState = 0;
    return true;
  }
  appendToToken(node, c, false);
  node->tokenState = 0;
  return false;
}

bool StructureReader::headerCharacter(Structure* node, char c, ReadBudget& budget) {
  if (node->sectionState == 0) {  // only ever reached with "["
    node->sectionState = 1;
    node->tokenState = 0;
    return true;
  }
  if (tokenCharacter(node, c)) return true;
  node->tokenState = 0;
  switch (node->sectionState) {
    case 1: {
      // A "/" from a quoted run is text, so a section may be named "/x" and written back.
      if (c == ']' && !node->token.empty() && node->token[0] == '/' && !node->tokenStartsQuoted) {
        if (node->token.size() > 1 && node->token.compare(1, std::string::npos, node->nameText) != 0)
          return false;
        clearToken(node);
        node->resolveReference();
        node->sectionState = -1;
        return !budget.exhausted;
      }
      bool reference = c == '@' && (node->typeBits & Structure::acceptReferences);
      if (c != ']' && c != '=' && !reference) break;  // text, "@" too where not accepted
      if (depthOf(node) + 1 >= ReadBudget::maxSectionDepth) {
        budget.exhausted = true;  // not a fault of the format: reading stops as a whole
        return false;
      }
      // A header makes its node a section, as a key statement makes its node a key: a key
      // of the same name read before loses its value.
      childNamed(node)->setValue(nullptr);
      node->sectionState = reference ? 2 : c == '=' ? 3 : 4;
      return true;
    }
    case 2:
      if (c == '@') return false;
      if (c != '=' && c != ']') break;
      node->currentChild->setReference(node->token.empty() ? std::string_view(".") : std::string_view(node->token));
      clearToken(node);
      node->sectionState = c == '=' ? 3 : 4;
      return true;
    case 3:
      if (c == '=' || c == '@') return false;
      if (c != ']') break;
      if (node->token.empty()) return false;
      node->currentChild->setFile(std::string_view(node->token));
      clearToken(node);
      if (node->currentChild->reference()) {
        node->sectionState = 4;
      } else {
        // An include: its content comes from the file now; there is no body to follow.
        node->currentChild->load();
        node->currentChild = nullptr;
        node->sectionState = 0;
        if (budget.exhausted) return false;
      }
      return true;
    default:
      return true;
  }
  appendToToken(node, c, false);
  return true;
}

void StructureReader::bodyCharacter(Structure* node, char c, ReadBudget& budget) {
  switch (node->bodyState) {
    case 0:
    case 5:
      if (c == '#') {
        node->bodyState = 1;
      } else if (isBlank(c)) {
        node->bodyState = 5;
      } else if (c == '[') {
        headerCharacter(node, c, budget);
        node->bodyState = 2;
      } else if (c == ';') {
        node->bodyState = 0;
      } else {
        node->statementOpen = true;
        node->tokenState = 0;
        node->bodyState = keyCharacter(node, c) ? 0 : 3;
      }
      break;
    case 1:
      if (c == '\n' || c == '#') node->bodyState = 0;
      break;
    case 2:
      if (!headerCharacter(node, c, budget) || node->sectionState < 0)
        node->bodyState = -1;
      else if (node->sectionState == 0)
        node->bodyState = 0;
      break;
    case 3:
      node->bodyState = keyCharacter(node, c) ? 0 : 3;
      break;
    default:
      break;
  }
}

bool StructureReader::feed(Structure* root, const char* data, size_t length, ReadBudget& budget) {
  // The innermost open section below the root.
  Structure* node = root;
  while (node->bodyState == 2 && node->sectionState == 4 && node->currentChild) node = node->currentChild;
  for (size_t i = 0; i < length && root->bodyState >= 0; ++i) {
    bodyCharacter(node, data[i], budget);
    if (budget.exhausted) {
      root->bodyState = -1;
      break;
    }
    if (node->bodyState == 2 && node->sectionState == 4) {
      // A section body begins: the child is read from its start, also when it is a section
      // read before and reopened under the same name.
      node = node->currentChild;
      node->resetReaderState();
    } else if (node->bodyState < 0 && node != root) {
      node = node->parentNode;
      node->sectionState = 0;
      node->currentChild = nullptr;
      node->bodyState = 0;
    }
  }
  return root->bodyState >= 0;
}

bool Structure::read(const char* data, size_t length, int phase) {
  ReadSession session;
  if (phase == 1) resetReaderState();
  if (phase == 3 || bodyState < 0) return bodyState >= 0;
  return StructureReader::feed(this, data, length, session.budget());
}

bool Structure::load(const char* path) {
  if (path) {
    if (nameText.empty()) setName(path);
    setFile(path);
  }
  if (!fileText) return false;
  ReadSession session;
  ReadBudget& budget = session.budget();
  if (budget.loadDepth >= ReadBudget::maxLoadDepth) return false;
  // Nested loads (includes, references to other files) may repeat one another; they pay
  // for what they read so that their total stays bounded.
  if (budget.loadDepth > 0 && !budget.spend(64)) return false;
  ++budget.loadDepth;
  resetReaderState();
  bool nested = budget.loadDepth > 1;
  std::string filePath = *fileText;
  bool result = true;
  inFolderOf(filePath, [&](const std::string& name) {
    std::unique_ptr<StructureInput> file = structureStorage().openInput(name);
    if (!file) return true;  // a file that cannot be opened reads as empty
    TextModeInput text(*file);
    char block[512];
    while (size_t count = text.get(block, sizeof block)) {
      if (nested && !budget.spend(count / 8 + 1)) {
        result = false;
        break;
      }
      if (!StructureReader::feed(this, block, count, budget)) {
        result = false;
        break;
      }
    }
    return true;
  });
  --budget.loadDepth;
  return result;
}
