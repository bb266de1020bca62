// The release zip as a user gets it, unpacked into a fresh folder by release_zip_test.cmake:
// what it holds, the version Explorer shows, and Ovix starting and quitting from there.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "platform/program_version.h"
#include "support/harness.h"

namespace {
std::set<std::string> entriesOf(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do
    if (std::string(entry.cFileName) != "." && std::string(entry.cFileName) != "..") names.insert(entry.cFileName);
  while (FindNextFileA(search, &entry));
  FindClose(search);
  return names;
}

std::string versionString(const std::string& data, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !length) return "";
  return value;
}
}  // namespace

TEST(Release, ZipHoldsOneProgramFolderThatStartsAndQuits) {
  const std::string unpacked = folderFromEnvironment("OVIX_RELEASE_FOLDER");
  const std::string name = "ovix-" OVIX_VERSION_TEXT;
  ASSERT_EQ(entriesOf(unpacked), std::set<std::string>{name});
  const std::string folder = unpacked + "\\" + name;

  // The programs, the program folder's own folders and the user's README; nothing else.
  const std::set<std::string> required{"ovix.exe", "data", "languages", "help", "README.txt"};
  std::set<std::string> entries = entriesOf(folder);
  for (const std::string& entry : required) EXPECT_EQ(entries.erase(entry), 1u) << entry << " is missing";
  entries.erase("debug.dll");
  entries.erase("update.dll");
  EXPECT_TRUE(entries.empty()) << *entries.begin() << " does not belong in the zip";
  EXPECT_TRUE(fileExists(folder + "\\data\\ARTWORK.txt"));

  // Every program carries the version resource Explorer shows.
  for (const char* program : {"ovix.exe", "debug.dll", "update.dll"}) {
    const std::string path = folder + "\\" + program;
    if (!fileExists(path)) continue;
    std::string data(GetFileVersionInfoSizeA(path.c_str(), nullptr), '\0');
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(!data.empty() && GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), &data[0]) &&
                VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length))
        << program << " has no version resource";
    EXPECT_TRUE(fixed->dwFileVersionMS == MAKELONG(2, 1) && fixed->dwFileVersionLS == 0) << program;
    EXPECT_EQ(versionString(data, "ProductName"), "Ovix") << program;
    EXPECT_EQ(versionString(data, "FileVersion"), OVIX_VERSION_FULL_TEXT) << program;
    EXPECT_NE(versionString(data, "FileDescription"), "") << program;
  }

  OvixProcess ovix;
  ASSERT_TRUE(ovix.startIn(folder));
  ASSERT_TRUE(ovix.waitForWindow());
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  DWORD exitCode = 99;
  ASSERT_TRUE(ovix.waitForExit(30000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}
