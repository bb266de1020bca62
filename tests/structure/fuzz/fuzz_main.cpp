// libFuzzer entry for the structure reader and writer (see run-fuzzer.sh).
#include <cstdio>
#include <cstdlib>

#include "structure_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string failure = checkStructureText(data, size);
  if (!failure.empty()) {
    fprintf(stderr, "structure check failed: %s\n", failure.c_str());
    abort();
  }
  return 0;
}
