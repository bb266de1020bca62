#pragma once
// A fresh temporary folder that is the current directory while the object lives; it is
// removed with everything in it afterwards.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchFolder {
public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ovix-structure-XXXXXX").string();
    path = mkdtemp(&pattern[0]);
    std::filesystem::current_path(path);
  }
  ~ScratchFolder() {
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(path);
  }
  std::filesystem::path path, previous = std::filesystem::current_path();
};

inline void writeBytes(const std::string& file, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::absolute(file).parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& file) {
  std::ifstream input(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(input), {});
}
