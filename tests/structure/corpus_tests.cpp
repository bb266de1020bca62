// Replays the fuzzer's seeds and everything it kept (tests/structure/fuzz/corpus) through
// the same checks the fuzzer makes, so that a fault it once found stays mended.
#include <gtest/gtest.h>

#include "fuzz/structure_check.h"
#include "scratch_folder.h"

TEST(FuzzCorpus, EveryStoredInputPassesTheFuzzChecks) {
  int checked = 0;
  for (const char* folder : {OVIX_FUZZ_DIR "/seeds", OVIX_FUZZ_DIR "/corpus", OVIX_LANGUAGES_DIR}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file() || entry.path().filename().string()[0] == '.') continue;
      std::string data = readBytes(entry.path().string());
      EXPECT_EQ(checkStructureText(reinterpret_cast<const uint8_t*>(data.data()), data.size()), "")
          << entry.path();
      ++checked;
    }
  }
  EXPECT_GE(checked, 3);
}
