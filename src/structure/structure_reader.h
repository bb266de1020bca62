#pragma once
// The reader of the structure text format: a character-by-character state machine that can
// be fed a text in blocks of any size, so a file is read without holding it whole.
#include <cstddef>
#include <string>

#include "structure/read_budget.h"

class Structure;

class StructureReader {
public:
  // Reads into the body of `root` from its beginning; what the tree holds already stays and
  // statements read add to it. The root must outlive the reader.
  explicit StructureReader(Structure& root);
  StructureReader(const StructureReader&) = delete;
  StructureReader& operator=(const StructureReader&) = delete;

  // Reads the next block (CR LF already folded into LF). False as soon as the root's body
  // has ended (a parse error, a closing tag at the top level, a limit of read_budget.h) and
  // for every block after that. Nothing is completed at the end of the input: a key whose
  // ";" is missing keeps no value, a section without closing tag stays as read so far.
  bool read(const char* data, size_t length);

private:
  // Where the body of the open section stands.
  enum class Body { idle, comment, section, key, ended };
  // Where a section header stands while the body is in Body::section.
  enum class Header { name, reference, file, childBody };
  // Where the token being collected stands.
  enum class Token { plain, comment, quoted };

  bool feed(const char* data, size_t length, ReadBudget& budget);
  void bodyCharacter(char c, ReadBudget& budget);
  // True when the key statement has ended with this character.
  bool keyCharacter(char c);
  void headerCharacter(char c, ReadBudget& budget);
  // Blanks, comments and quoted runs, alike in key statements and headers. True when the
  // character was taken.
  bool tokenCharacter(char c);
  // The child the token names: with the merge bit the first of that name, else a new one.
  Structure* childNamed();
  void appendToToken(char c, bool quoted);
  void clearToken();
  // Begins reading the body of `section` from its start.
  void enter(Structure* section);

  Structure& root;
  Structure* node;  // the innermost open section; its ancestors up to the root are open too
  Body body = Body::idle;
  Header header = Header::name;
  Token tokenState = Token::plain;
  char quote = 0;  // the quote that opened the run being read
  bool escapePending = false;
  bool tokenStartsQuoted = false;  // the token's first byte came from a quoted run
  Structure* currentChild = nullptr;  // the key after its "=", or the section being headed
  std::string token;
};
