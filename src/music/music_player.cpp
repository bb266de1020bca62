#include "music/music_player.h"

#include <vfw.h>

#include "music/music_folder.h"
#include "music/music_scan.h"
#include "music/sound_signature.h"
#include "platform/file_access.h"
#include "platform/path_text.h"
#include "sources/photo_sources.h"

namespace {
const char* const notifyClass = "MCI notify win";

// Hidden, without error boxes, without a play bar and without resizing itself to the media.
const DWORD mciWindowStyle = WS_POPUP | MCIWNDF_NOERRORDLG | MCIWNDF_NOTIFYALL | MCIWNDF_NOPLAYBAR |
                             MCIWNDF_NOAUTOSIZEWINDOW;

// Keeps the MCI driver that serves `device` loaded for the rest of the process. A driver plays
// on a thread of its own, which posts the end-of-track notification and only then leaves the
// driver's code; the track change that the notification starts closes the device, and when it
// was the driver's last one the driver would be unloaded under that thread's feet.
void pinDriver(MCIDEVICEID device) {
  char installName[64] = {};
  MCI_SYSINFO_PARMSA query = {};
  query.lpstrReturn = installName;
  query.dwRetSize = sizeof installName;
  if (mciSendCommandA(device, MCI_SYSINFO, MCI_SYSINFO_INSTALLNAME,
                      reinterpret_cast<DWORD_PTR>(&query)) != 0)
    return;
  char driverFile[MAX_PATH] = {};
  DWORD size = sizeof driverFile;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI32",
                   installName, RRF_RT_REG_SZ, nullptr, driverFile, &size) != ERROR_SUCCESS)
    return;
  HMODULE driver = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, driverFile, &driver);
}

// True when the file at `path` starts like a sound file; one that cannot be read does not.
bool soundFile(const std::string& path) {
  std::FILE* file = openFile(path, "rb");
  if (!file) return false;
  uint8_t start[soundSignatureBytes] = {};
  const size_t read = std::fread(start, 1, sizeof start, file);
  std::fclose(file);
  return startsLikeSound(start, read);
}

bool registerNotifyClass(HINSTANCE moduleInstance) {
  return registerWindowClass(moduleInstance, notifyClass, CS_HREDRAW | CS_VREDRAW,
                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}
}  // namespace

MusicPlayer::MusicPlayer(HINSTANCE moduleInstance, const char* musicFolder, bool& failed)
    : moduleInstance(moduleInstance) {
  name = notifyClass;
  std::string folder;
  if (normaliseMusicFolder(musicFolder, folder) && musicFolderExists(folder) &&
      registerNotifyClass(moduleInstance)) {
    handle = CreateWindowExA(WS_EX_APPWINDOW, notifyClass, notifyClass, 0, -1, -1, 0, 0, nullptr,
                             nullptr, moduleInstance, nullptr);
  }
  if (!handle) {
    disabled = true;
    failed = true;
    return;
  }
  failed = false;
  // The scan may meet a whole disk or a slow share; the show starts and draws meanwhile.
  scanner = std::thread([this, folder, notifyWindow = handle] {
    ScanLimits limits;
    limits.cancel = &stopScan;
    scanMusicFolder(folder, folderListing(), scanned, limits);
    PostMessageA(notifyWindow, scanDoneMessage, 0, 0);
  });
}

MusicPlayer::~MusicPlayer() {
  stopScan = true;
  if (scanner.joinable()) scanner.join();
  if (mciWindow) SendMessageA(mciWindow, WM_CLOSE, 0, 0);
  if (handle) {
    // Forget the window first, so its WM_DESTROY finds no object to delete a second time.
    HWND notifyWindow = handle;
    handle = nullptr;
    DestroyWindow(notifyWindow);
  }
}

LRESULT MusicPlayer::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == scanDoneMessage) {
    finishScan();
    return 0;
  }
  if (message == WM_TIMER && wParam == retryTimer) {
    KillTimer(handle, retryTimer);
    if (!disabled && !tracks.empty()) tryTrack(stepFrom(currentTrack, retryStep), retryStep);
    return 0;
  }
  if (message != MM_MCINOTIFY) return DefWindowProcA(handle, message, wParam, lParam);
  if (disabled || tracks.empty()) return 0;
  // Aborted and superseded come from our own track changes and pauses.
  if (wParam == MCI_NOTIFY_SUCCESSFUL) {
    nextTrack();  // a track that played to its end
  } else if (wParam == MCI_NOTIFY_FAILURE) {
    if (++failedInRow < tracks.size()) startTrack(stepFrom(currentTrack, 1), 1);
  }
  return 0;
}

bool MusicPlayer::openTrack(const char* path) {
  if (disabled) return false;
  if (mciWindow) SendMessageA(mciWindow, WM_CLOSE, 0, 0);
  mciWindow = MCIWndCreateW(handle, moduleInstance, mciWindowStyle, asciiSafePath(path).c_str());
  if (!mciWindow) return false;
  // Wine's MCIWndCreate adds WS_VISIBLE to every window with a parent, which leaves a 300 x 2
  // bordered popup at the top left of the screen; the player's MCI window is never seen.
  ShowWindow(mciWindow, SW_HIDE);
  applyVolume();
  const MCIDEVICEID device = MCIWndGetDeviceID(mciWindow);
  if (device) pinDriver(device);
  return device != 0;
}

bool MusicPlayer::playAll() {
  MCI_PLAY_PARMS parameters = {};
  parameters.dwCallback = reinterpret_cast<DWORD_PTR>(handle);
  const DWORD_PTR block = reinterpret_cast<DWORD_PTR>(&parameters);
  if (mciSendCommandA(mciGetDeviceIDA("all"), MCI_PLAY, MCI_NOTIFY, block) == 0) return true;
  const MCIDEVICEID device = mciWindow ? MCIWndGetDeviceID(mciWindow) : 0;
  return device != 0 && mciSendCommandA(device, MCI_PLAY, MCI_NOTIFY, block) == 0;
}

bool MusicPlayer::scanning() const { return scanner.joinable(); }

void MusicPlayer::finishScan() {
  if (!scanner.joinable()) return;
  scanner.join();  // the thread has posted its last word and is ending
  tracks.swap(scanned);
  if (tracks.empty())
    disabled = true;
  else
    startTrack(0, 1);
}

void MusicPlayer::toggleMute() {
  if (disabled) return;
  muted = !muted;
  applyVolume();
}

void MusicPlayer::togglePause() {
  if (mciWindow && !disabled) SendMessageA(mciWindow, paused ? MCI_RESUME : MCI_PAUSE, 0, 0);
  paused = !paused;
}

void MusicPlayer::nextTrack() {
  if (disabled || tracks.empty()) return;
  failedInRow = 0;
  startTrack(stepFrom(currentTrack, 1), 1);
}

void MusicPlayer::previousTrack() {
  if (disabled || !mciWindow || tracks.empty()) return;
  failedInRow = 0;
  startTrack(stepFrom(currentTrack, -1), -1);
}

void MusicPlayer::volumeUp() {
  if (muted || disabled) return;
  if (volume < 1000) volume += 50;
  applyVolume();
}

void MusicPlayer::volumeDown() {
  if (muted || disabled) return;
  if (volume > 0) volume -= 50;
  applyVolume();
}

void MusicPlayer::startTrack(size_t index, int step) {
  KillTimer(handle, retryTimer);  // the tries of an older start end here
  tryTrack(index, step);
}

void MusicPlayer::tryTrack(size_t index, int step) {
  for (unsigned tries = 0; tries < triesPerTurn; ++tries) {
    currentTrack = index;
    if (soundFile(tracks[index]) && openTrack(tracks[index].c_str()) && playAll()) return;
    if (++failedInRow >= tracks.size()) return;
    index = stepFrom(index, step);
  }
  // Thousands of files that do not play (a drive root as music folder) are tried a few at a
  // time from a timer. A timer message comes only when nothing else waits, so frames, clicks
  // and above all the quit of a closing Ovix go first; a message posted to try the next would
  // keep the quit waiting until the whole playlist had been tried.
  retryStep = step;
  SetTimer(handle, retryTimer, USER_TIMER_MINIMUM, nullptr);
}

size_t MusicPlayer::stepFrom(size_t index, int step) const {
  const size_t count = tracks.size();
  return step > 0 ? (index + 1) % count : (index + count - 1) % count;
}

void MusicPlayer::applyVolume() {
  if (mciWindow) SendMessageA(mciWindow, MCIWNDM_SETVOLUME, 0, muted ? 0 : volume);
}
