#pragma once
// Background music of a photo show: every file under the music folder, one after another and
// round again, through the Windows media control interface. One hidden MCI window holds the
// current track; the player's own hidden notify window receives the end-of-track notification.
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "platform/window_base.h"

class MusicPlayer : public WindowBase {
public:
  // Registers the player, checks `musicFolder` and starts scanning it on a thread of its own;
  // the first track starts when the scan's result arrives through the message loop.
  // `failed` becomes true, and the player `disabled`, when the folder text is empty or longer
  // than 260 characters, the folder does not exist, or the notify window cannot be created;
  // the show then runs without music. Otherwise `failed` becomes false; a folder that turns
  // out to hold no file at any depth leaves the player `disabled` once scanned.
  MusicPlayer(HINSTANCE moduleInstance, const char* musicFolder, bool& failed);
  // Stops and waits for the scan, closes the MCI window and destroys the notify window.
  ~MusicPlayer() override;

  // MM_MCINOTIFY moves on after a track has ended or failed; everything else gets default
  // processing.
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Replaces the MCI window by a new one for `path` and gives it the current volume (0 while
  // muted). Returns true when the new window's MCI device opened; false when `disabled` (then
  // nothing changes) or when the file cannot be opened (the new window stays, without device).
  // The driver behind an opened device stays loaded for the rest of the process: its playing
  // thread outlives the device it reports the end on.
  bool openTrack(const char* path);
  // Plays with notification to the notify window: every MCI device of the program, or, where
  // that is refused (Wine does not accept "all"), the current MCI window's own device.
  // Returns true when playing started.
  bool playAll();

  // True until the scan's result has been taken over (tracks stay empty until then).
  bool scanning() const;

  // The music bar's commands. Each does nothing while `disabled` unless said otherwise.
  // Mute on/off; the volume itself is kept.
  void toggleMute();
  // Pauses or resumes the current track; `paused` flips even when there is nothing to pause.
  void togglePause();
  // The next track, after the last the first; tracks that cannot play are passed over.
  void nextTrack();
  // The previous track, before the first the last; needs an MCI window.
  void previousTrack();
  // Volume up or down by 50 within 0...1000; nothing while muted.
  void volumeUp();
  void volumeDown();

  HWND mciWindow = nullptr;            // the current track's MCI window, none before the first
  HINSTANCE moduleInstance = nullptr;  // owns the window class and every window made here
  std::vector<std::string> tracks;     // "<folder>/<name>", depth first
  size_t currentTrack = 0;             // index into `tracks` of the open track
  bool paused = false;                 // paused by the music bar
  bool muted = false;                  // volume forced to 0
  bool disabled = false;               // set-up failed: every command is ignored
  uint32_t volume = 500;               // 0...1000 in steps of 50

private:
  // Opens and plays tracks from `index` on, moving by `step` (+1 or -1), until one plays (a
  // file that does not start like a sound file is passed over without opening it):
  // triesPerTurn of them at once, the rest turn by turn on the notify window's retry timer.
  // Every track that cannot be opened or started counts in `failedInRow`; when a whole round
  // of the playlist has failed the music stops. A new start abandons the tries of the one
  // before.
  void startTrack(size_t index, int step);
  void tryTrack(size_t index, int step);
  size_t stepFrom(size_t index, int step) const;
  // Takes the finished scan's tracks over and starts the first one.
  void finishScan();

  // Posted by the scan thread to the notify window when it is done.
  static constexpr UINT scanDoneMessage = WM_APP + 1;
  // The timer that tries further tracks after ones that did not play, in `retryStep`.
  static constexpr UINT_PTR retryTimer = 1;
  static constexpr unsigned triesPerTurn = 8;
  int retryStep = 1;
  std::thread scanner;
  std::atomic<bool> stopScan{false};
  std::vector<std::string> scanned;  // the scan thread's, until scanDoneMessage
  void applyVolume();

  // Tracks that failed one after another since the last one that played to its end.
  size_t failedInRow = 0;
};
