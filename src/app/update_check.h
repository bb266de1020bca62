#pragma once
// Asking the update library whether a newer Ovix exists, on a thread of its own so that nothing
// the user does ever waits for the network.
#include <windows.h>

struct UpdateNotice;

// Ovix's fixed update server (a documentation address until the project has a server);
// update.dll lets the environment's OVIX_UPDATE_SERVER point elsewhere.
constexpr const char* updateServerAddress = "192.0.2.1";

// When the "check_updates" setting is on, copies the notice's look and texts from the settings
// (on this thread, the main one) and starts the check thread with them; returns its handle,
// which nobody ever waits for (the caller may close it). Otherwise, or when no thread could be
// started, returns none and loads nothing.
HANDLE startUpdateCheck();

// The check itself, on the calling thread: loads ./update.dll, connects to `serverAddress`,
// asks for the version and disconnects; when the answer names a newer release, shows
// `notice` on this thread, owned by the main window (waiting up to ten seconds for it to
// exist). Reads no settings. A missing library, a missing export or a refused connection end
// it silently. True when the notice was shown; the caller must then pump this thread's
// messages.
bool checkForUpdate(const char* serverAddress, const UpdateNotice& notice);
