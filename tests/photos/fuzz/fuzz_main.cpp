// libFuzzer entry for the picture header reader (see tests/structure/fuzz/run-fuzzer.sh).
#include <cstdio>
#include <cstdlib>

#include "picture_header_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure = checkPictureHeader(data, size);
  if (!failure.empty()) {
    fprintf(stderr, "picture header check failed: %s\n", failure.c_str());
    abort();
  }
  return 0;
}
