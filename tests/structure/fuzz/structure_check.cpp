#include "structure_check.h"

#include "../memory_storage.h"
#include "../tree_text.h"
#include "structure/read_budget.h"

std::string checkStructureText(const uint8_t* data, size_t size) {
  MemoryStorage storage;
  const std::string input = "./input.conf";
  storage.files[input] = std::string(reinterpret_cast<const char*>(data), size);
  auto load = [](Structure& tree) {
    tree.setType(Structure::standardType);
    return tree.load("input.conf");
  };
  Structure original, again;
  bool firstRead = load(original);

  // Fed byte by byte, the reader must end the same.
  {
    std::string text = storage.files[input];  // as the file is read: CR LF becomes LF
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;) text.erase(at, 1);
    Structure bytewise;
    bytewise.setType(Structure::standardType);
    bytewise.setName("input.conf");
    bytewise.setFile("input.conf");
    ReadSession session;  // one budget for the whole text, as in load()
    bool result = true;
    StructureReader reader(bytewise);
    for (size_t i = 0; i < text.size() && result; ++i) result = reader.read(&text[i], 1);
    if (result != firstRead) return "reading byte by byte ended differently";
    if (dumpTree(bytewise) != dumpTree(original)) return "reading byte by byte gave another tree";
  }

  std::set<std::string> missingBefore = storage.missingReads;
  if (!original.save()) return "writing failed";
  // A round trip is defined for files that stay put: when the tree writes one file twice
  // (two includes of one file), or writes a file that reading looked for and did not find,
  // reading back sees other files than the first reading did.
  for (const auto& [path, times] : storage.writes)
    if (times > 1 || missingBefore.count(path)) return std::string();
  std::string written = storage.files[input];

  if (!load(again) && firstRead) return "the written form does not read back";
  std::string difference = compareWithoutInherited(original, again);
  if (!difference.empty()) return "round trip: " + difference;

  storage.writes.clear();
  if (!again.save()) return "writing the tree read back failed";
  if (storage.files[input] != written) return "writing the tree read back gave another text";
  return std::string();
}
