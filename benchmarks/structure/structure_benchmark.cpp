// How long reading and writing take for large structure files. The reader must stay linear
// in its input: a 1 MB quoted value or 100,000 keys load in well under a second.
//   native: build/native/benchmarks/structure/structure_benchmark (sanitizers make it slower)
//   win:    cd build/win/benchmarks/structure && ../../../../scripts/wine-run --root ../../wine ./structure_benchmark.exe
#include <chrono>
#include <cstdio>
#include <string>

#include "structure/structure.h"

namespace {
struct Case {
  const char* what;
  std::string text;
};

double seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

bool writeFile(const char* path, const std::string& text) {
  FILE* file = fopen(path, "wb");
  if (!file) return false;
  bool written = fwrite(text.data(), 1, text.size(), file) == text.size();
  return fclose(file) == 0 && written;
}
}  // namespace

int main() {
  std::string value(1 << 20, 'x');
  for (size_t i = 0; i < value.size(); i += 64) value[i] = ' ';
  std::string oneSection = "[Section]\r\n", spread, distinctValues;
  for (int i = 0; i < 100000; ++i) {
    oneSection += "\tkey" + std::to_string(i) + "=value" + std::to_string(i) + ";\r\n";
    spread += "[s" + std::to_string(i % 1000) + "]k" + std::to_string(i) + "='a b';[/s" +
              std::to_string(i % 1000) + "]\r\n";
  }
  oneSection += "[/Section]\r\n";
  std::string sameKey;
  for (int i = 0; i < 100000; ++i) sameKey += "k=" + std::to_string(i) + ";\n";
  Case cases[] = {{"one quoted value of 1 MB", "k=\"" + value + "\";"},
                  {"100,000 keys in one section", oneSection},
                  {"100,000 keys in 1,000 sections", spread},
                  {"100,000 statements of one key", sameKey}};
  printf("%-34s %10s %10s %10s\n", "file", "bytes", "load (s)", "save (s)");
  for (const Case& c : cases) {
    if (!writeFile("benchmark.conf", c.text)) {
      fprintf(stderr, "cannot write benchmark.conf\n");
      return 1;
    }
    Structure root;
    root.setType(Structure::standardType);
    auto start = std::chrono::steady_clock::now();
    bool loaded = root.load("benchmark.conf");
    double load = seconds(start);
    start = std::chrono::steady_clock::now();
    bool saved = root.save();
    double save = seconds(start);
    printf("%-34s %10zu %10.3f %10.3f%s\n", c.what, c.text.size(), load, save,
           loaded && saved ? "" : "  (failed)");
  }
  remove("benchmark.conf");
  return 0;
}
