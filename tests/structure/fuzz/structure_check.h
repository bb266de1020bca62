#pragma once
// The checks the fuzzer runs on every input, and the corpus replay runs on every stored
// input: reading never fails unsafely, reading in single bytes equals reading in blocks, and
// writing the tree and reading it back gives the same tree (inherited nodes excepted).
#include <cstddef>
#include <cstdint>
#include <string>

// Empty when every check holds for `data` read as a structure file, else what failed. All
// files (the input, includes, references to other files) live in memory.
std::string checkStructureText(const uint8_t* data, size_t size);
