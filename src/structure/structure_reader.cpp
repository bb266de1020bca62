// The reader of the structure text format. Statements of a body:
//   key             name = value ;
//   section         [ name ] body [ / name ]      ("[/]" closes whatever section is open)
//   reference       [ name @ path ] body [ / name ]
//   include         [ name = file ]                (read from the file at once; no body)
//   reference file  [ name @ path = file ] body [ / name ]
// Blanks separate tokens and are dropped outside quotes; quoted runs keep every byte and a
// backslash in them takes the next byte as text; "#" starts a comment up to the line end or
// the next "#".
//
// Only the innermost open section's body is read at a time: its ancestors are all waiting
// for it to end, so the tree's parent links are the reader's stack, and each character is
// handled once whatever the nesting depth.
#include "structure/structure_reader.h"

#include "structure/structure.h"
#include "structure/structure_storage.h"

namespace {
thread_local ReadBudget* activeBudget = nullptr;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isQuote(char c) { return c == '"' || c == '\''; }

uint32_t depthOf(const Structure* node) {
  uint32_t depth = 0;
  for (; node->parent() && depth <= ReadBudget::maxSectionDepth; node = node->parent()) ++depth;
  return depth;
}
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

StructureReader::StructureReader(Structure& root) : root(root), node(&root) {}

void StructureReader::enter(Structure* section) {
  node = section;
  body = Body::idle;
  header = Header::name;
  tokenState = Token::plain;
  quote = 0;
  escapePending = false;
  currentChild = nullptr;
  clearToken();
}

void StructureReader::clearToken() {
  token.clear();
  tokenStartsQuoted = false;
}

void StructureReader::appendToToken(char c, bool quoted) {
  if (token.empty()) tokenStartsQuoted = quoted;
  token.push_back(c);
}

bool StructureReader::tokenCharacter(char c) {
  switch (tokenState) {
    case Token::comment:
      if (c == '\n' || c == '#') tokenState = Token::plain;
      return true;
    case Token::quoted:
      if (!escapePending && c == quote) {
        tokenState = Token::plain;
      } else if (!escapePending && c == '\\') {
        escapePending = true;
      } else {
        appendToToken(c, true);
        escapePending = false;
      }
      return true;
    case Token::plain:
      if (c == '#') {
        tokenState = Token::comment;
      } else if (isQuote(c)) {
        quote = c;
        tokenState = Token::quoted;
      } else if (!isBlank(c)) {
        return false;
      }
      return true;
  }
  return false;
}

Structure* StructureReader::childNamed() {
  Structure* found = (node->type() & Structure::mergeNames) ? node->findChild(token, 0) : nullptr;
  if (!found) found = node->appendChild(token);
  clearToken();
  found->setInherited(node->inherited());
  if (found->type() != node->type()) found->setType(node->type());  // walks the subtree
  currentChild = found;
  return found;
}

bool StructureReader::keyCharacter(char c) {
  if (tokenCharacter(c)) return false;
  if (c == '=') {
    childNamed();
    return false;
  }
  if (c == ';') {
    // A bare word followed by ";" names no key; it is dropped.
    if (currentChild) currentChild->setValue(std::string_view(token));
    clearToken();
    currentChild = nullptr;
    return true;
  }
  appendToToken(c, false);
  return false;
}

void StructureReader::headerCharacter(char c, ReadBudget& budget) {
  if (tokenCharacter(c)) return;
  switch (header) {
    case Header::name: {
      // A "/" from a quoted run is text, so a section may be named "/x" and written back.
      if (c == ']' && !token.empty() && token[0] == '/' && !tokenStartsQuoted) {
        // A closing tag ends this body: closed when it names this section (or none), failed
        // otherwise.
        if (token.size() == 1 || token.compare(1, std::string::npos, node->nameString()) == 0) {
          clearToken();
          node->resolveReference();
        }
        body = Body::ended;
        return;
      }
      bool reference = c == '@' && (node->type() & Structure::acceptReferences);
      if (c != ']' && c != '=' && !reference) break;  // text, "@" too where not accepted
      if (depthOf(node) + 1 >= ReadBudget::maxSectionDepth) {
        budget.exhausted = true;  // not a fault of the format: reading stops as a whole
        return;
      }
      // A header makes its node a section, as a key statement makes its node a key: a key
      // of the same name read before loses its value.
      childNamed()->setValue(nullptr);
      header = reference ? Header::reference : c == '=' ? Header::file : Header::childBody;
      return;
    }
    case Header::reference:
      if (c == '@') {
        body = Body::ended;
        return;
      }
      if (c != '=' && c != ']') break;
      currentChild->setReference(token.empty() ? std::string_view(".") : std::string_view(token));
      clearToken();
      header = c == '=' ? Header::file : Header::childBody;
      return;
    case Header::file:
      if (c == '=' || c == '@' || (c == ']' && token.empty())) {
        body = Body::ended;  // an include needs a file name
        return;
      }
      if (c != ']') break;
      currentChild->setFile(std::string_view(token));
      clearToken();
      if (currentChild->reference()) {
        header = Header::childBody;
      } else {
        // An include: its content comes from the file now; there is no body to follow.
        currentChild->load();
        currentChild = nullptr;
        body = Body::idle;
      }
      return;
    case Header::childBody:
      return;  // not reached: the child's body is read instead
  }
  appendToToken(c, false);
}

void StructureReader::bodyCharacter(char c, ReadBudget& budget) {
  switch (body) {
    case Body::idle:
      if (c == '#') {
        body = Body::comment;
      } else if (c == '[') {
        header = Header::name;
        tokenState = Token::plain;
        body = Body::section;
      } else if (!isBlank(c) && c != ';') {  // a ";" where no statement has begun is ignored
        tokenState = Token::plain;
        body = keyCharacter(c) ? Body::idle : Body::key;
      }
      break;
    case Body::comment:
      if (c == '\n' || c == '#') body = Body::idle;
      break;
    case Body::section:
      headerCharacter(c, budget);
      break;
    case Body::key:
      if (keyCharacter(c)) body = Body::idle;
      break;
    case Body::ended:
      break;
  }
}

bool StructureReader::feed(const char* data, size_t length, ReadBudget& budget) {
  for (size_t i = 0; i < length && !(node == &root && body == Body::ended); ++i) {
    bodyCharacter(data[i], budget);
    if (budget.exhausted) {
      node = &root;
      body = Body::ended;
      break;
    }
    if (body == Body::section && header == Header::childBody) {
      // A section body begins; a section read before and reopened under the same name is
      // read from its start too.
      enter(currentChild);
    } else if (body == Body::ended && node != &root) {
      enter(node->parent());  // the parent waited for this body to end; it goes on idle
    }
  }
  return !(node == &root && body == Body::ended);
}

bool StructureReader::read(const char* data, size_t length) {
  ReadSession session;
  return feed(data, length, session.budget());
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
  std::unique_ptr<StructureInput> file = structureStorage().openInput(filePath());
  if (!file) return true;  // a file that cannot be opened reads as empty
  ++budget.loadDepth;
  const bool nested = budget.loadDepth > 1;
  TextModeInput text(*file);
  StructureReader reader(*this);
  bool result = true;
  char block[512];
  while (size_t count = text.get(block, sizeof block)) {
    if ((nested && !budget.spend(count / 8 + 1)) || !reader.read(block, count)) {
      result = false;
      break;
    }
  }
  --budget.loadDepth;
  return result;
}
