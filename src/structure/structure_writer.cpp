// The writer of the structure text format: the canonical, tab-indented form that the reader
// reads back to the same tree. Inherited nodes are left out; they come back when the
// reference that produced them is read again.
#include <cstring>

#include "structure/structure.h"
#include "structure/structure_storage.h"

namespace {
// The 13 characters with a meaning in the format; a text holding any of them is quoted.
constexpr char structural[] = " \t\n'\"/\\[]=;@#";

bool putText(StructureOutput& output, std::string_view text) {
  if (text.empty()) return true;
  if (text.find_first_of(std::string_view(structural, sizeof structural - 1)) == std::string_view::npos)
    return output.put(text.data(), text.size());
  std::string quoted;
  quoted.reserve(text.size() + 8);
  quoted.push_back('"');
  for (char c : text) {
    if (c == '\\' || c == '"') quoted.push_back('\\');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  return output.put(quoted.data(), quoted.size());
}

bool putTabs(StructureOutput& output, int depth) {
  for (int i = 0; i < depth; ++i)
    if (!output.put("\t", 1)) return false;
  return true;
}

bool put(StructureOutput& output, const char* text) { return output.put(text, strlen(text)); }
}  // namespace

bool Structure::write(StructureOutput* output, int depth, bool withHeader) {
  bool filesWritten = true;
  bool written = writeNode(output, depth, withHeader, filesWritten);
  return written && filesWritten;
}

bool Structure::writeNode(StructureOutput* output, int depth, bool withHeader, bool& filesWritten) {
  if (inheritedMark) return true;
  if (valueText) {
    if (!output) return false;
    StructureOutput& out = *output;
    return putTabs(out, depth) && putText(out, nameText) && put(out, "=") && putText(out, *valueText) &&
           put(out, ";\n");
  }
  if (withHeader) {
    if (!output) return false;
    StructureOutput& out = *output;
    if (!putTabs(out, depth) || !put(out, "[") || !putText(out, nameText)) return false;
    if (referenceText && !(put(out, "@") && putText(out, *referenceText))) return false;
    if (fileText && !(put(out, "=") && putText(out, *fileText))) return false;
    if (!put(out, "]\n")) return false;
  }
  if (fileText && !referenceText) {
    // A loaded root or an include: the children live in a file of their own.
    if (!writeChildrenToFile(filesWritten)) filesWritten = false;
    return true;
  }
  for (Structure* node : children)
    if (!node->writeNode(output, withHeader ? depth + 1 : depth, true, filesWritten)) return false;
  if (!withHeader) return true;
  if (!output) return false;  // not reached: a header was written above
  StructureOutput& out = *output;
  return putTabs(out, depth) && put(out, "[/") && putText(out, nameText) && put(out, "]\n");
}

bool Structure::writeChildrenToFile(bool& filesWritten) {
  std::unique_ptr<PendingFile> file = structureStorage().createOutput(filePath());
  if (!file) return false;
  TextModeOutput text(*file);
  for (Structure* node : children)
    if (!node->writeNode(&text, 0, true, filesWritten)) return false;
  return file->commit();
}

bool Structure::save(const char* path, int depth) {
  if (path) {
    if (nameText.empty()) setName(path);
    setFile(path);
  }
  if (!fileText || valueText) return false;
  return write(nullptr, depth, false);
}
