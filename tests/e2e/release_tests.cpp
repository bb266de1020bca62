// The release zip as a user gets it, unpacked into a fresh folder by release_zip_test.cmake:
// what it holds, the version Explorer shows, and Ovix starting and quitting from there.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/program_version.h"
#include "support/harness.h"

namespace {
std::string versionString(const std::string& data, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
  return VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) && length ? value : "";
}
}  // namespace

TEST(Release, ZipHoldsOneProgramFolderThatStartsAndQuits) {
  const std::string unpacked = folderFromEnvironment("OVIX_RELEASE_FOLDER"), name = "ovix-" OVIX_VERSION_TEXT;
  ASSERT_EQ(folderEntries(unpacked), std::vector<std::string>{name});
  const std::string folder = unpacked + "\\" + name;
  // The programs, the program folder's own folders and the user's README; nothing else.
  EXPECT_EQ(folderEntries(folder), (std::vector<std::string>{"README.txt", "data", "debug.dll", "help", "languages", "ovix.exe", "update.dll"}));
  EXPECT_TRUE(fileExists(folder + "\\data\\ARTWORK.txt"));

  // Every program carries the version resource Explorer shows.
  const DWORD numbers[] = {OVIX_VERSION_NUMBERS};
  for (const char* program : {"ovix.exe", "debug.dll", "update.dll"}) {
    const std::string path = folder + "\\" + program;
    std::string data(GetFileVersionInfoSizeA(path.c_str(), nullptr), '\0');
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(!data.empty() && GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), &data[0]) &&
                VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length))
        << program << " has no version resource";
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(numbers[1], numbers[0])) << program;
    EXPECT_EQ(versionString(data, "FileVersion"), OVIX_VERSION_FULL_TEXT) << program;
  }

  OvixProcess ovix;
  ASSERT_TRUE(ovix.startIn(folder));
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(ovix.endsCleanly());
}
