// How long closing Ovix takes while something long is under way: from the close message to
// the end of the process, with its exit code and whether config.conf was written at the close
// (target: 1 s or less every time, exit code 0, saved):
//  - music from the drive root Z:\ (under Wine the whole file system): its scan, then the
//    tries of thousands of files that do not play, closed 1, 5, 20 and 40 s into the show;
//  - music of forty quarter-second tracks, closed while one track follows another;
//  - photos from the drive root with sub-folders: the scan, closed 0.5, 2 and 10 s after the open;
//  - an 11500 x 8600 JPEG (just under the 100-megapixel limit) being decoded, closed once the
//    progress window shows.
// "answered in" is how long the window took to answer a message just before the close.
// Run it as below, without a DISPLAY (wine-run starts its own Xvfb) or with OVIX_HEADLESS=1.
// On a display with no window manager, Wine's managed windows wait 2 s for one at every hide,
// and every close then takes 2 s more; with a window manager, or unmanaged, they do not.
//
//   bash scripts/build win && (cd build/win/benchmarks/close &&
//     OVIX_STAGE_DIR=$PWD/../../ovix ../../../../scripts/wine-run --root ../../wine ./close_benchmark.exe)
#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <string>

#include "benchmarks/support/benchmark_pictures.h"
#include "e2e/show_driver.h"
#include "music/wave_files.h"

namespace {
// Starts Ovix with music from `musicDir` (none when empty), opens `photos` through the open
// dialog, waits for a window of `windowClass` when given and then `milliseconds`, closes it
// and prints how it went.
void closeDuring(const char* what, const std::string& photos, const std::string& musicDir, bool recursive,
                 DWORD milliseconds, const char* windowClass = nullptr) {
  OvixProcess ovix;
  if (!startForShow(ovix, 400, musicDir, recursive)) {
    std::printf("%-46s Ovix did not start\n", what);
    return;
  }
  if (!photos.empty()) {  // no show: the idle scene
    openFolderThroughDialog(ovix, photos);
    if (windowClass && !ovix.waitForWindowOf(windowClass)) std::printf("(%s never showed)\n", windowClass);
  }
  Sleep(milliseconds);
  DeleteFileA(ovix.path("config.conf").c_str());
  DWORD_PTR result = 0;
  const ULONGLONG asked = GetTickCount64();
  SendMessageTimeoutA(ovix.window(), WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
  const ULONGLONG answered = GetTickCount64() - asked, closing = GetTickCount64();
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  const bool clean = ovix.endsCleanly(120000);
  std::printf("%-46s answered in %5llu ms, closed in %5llu ms, %s, %s\n", what, answered, GetTickCount64() - closing,
              clean ? "exit code 0" : "NOT ENDED CLEANLY", fileExists(ovix.path("config.conf")) ? "saved" : "NOT SAVED");
}
}  // namespace

int main() {
  const std::string photos = makePhotoFolder(4), big = makeScratchFolder("ovix-close-big");
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  const std::wstring bigPhoto = std::wstring(big.begin(), big.end()) + L"\\big.jpg";
  const bool haveBig = writeBenchmarkPicture(bigPhoto.c_str(), GUID_ContainerFormatJpeg, 11500, 8600);
  closeDuring("no show, 1 s in", "", "", false, 1000);
  closeDuring("a show of four photos, 1 s in", photos, "", false, 1000);
  for (DWORD seconds : {1, 5, 20, 40}) {
    const std::string what = "music from Z:\\, " + std::to_string(seconds) + " s in";
    closeDuring(what.c_str(), photos, "Z:\\", false, seconds * 1000);
  }
  const std::string tracks = makeScratchFolder("ovix-close-tracks");
  for (int n = 0; n < 40; ++n) writeTone(tracks + "\\track" + std::to_string(n) + ".wav", 0.25, 440);
  for (DWORD milliseconds : {1500, 3100, 4700}) {
    const std::string what = "quarter-second tracks, " + std::to_string(milliseconds) + " ms in";
    closeDuring(what.c_str(), photos, tracks, false, milliseconds);
  }
  for (DWORD milliseconds : {500, 2000, 10000}) {
    const std::string what = "photos from Z:\\ with sub-folders, " + std::to_string(milliseconds) + " ms in";
    closeDuring(what.c_str(), "Z:\\", "", true, milliseconds);
  }
  if (haveBig) closeDuring("an 11500 x 8600 JPEG decoding", big, "", false, 0, "Progress class");
  removeFolder(photos);
  removeFolder(big);
  removeFolder(tracks);
  return 0;
}
