#include "app/update_check.h"

#include <memory>

#include "app/release_version.h"
#include "dialogs/update_window.h"
#include "platform/path_text.h"
#include "platform/process_window.h"
#include "platform/program_info.h"
#include "structure/settings.h"

namespace {
using ConnectCall = bool (*)(const char*);
using GetVersionCall = const char* (*)();
using DisconnectCall = void (*)();

template <typename Call>
Call exported(HMODULE library, const char* name) {
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

DWORD WINAPI updateThread(LPVOID parameter) {
  const std::unique_ptr<UpdateNotice> notice(static_cast<UpdateNotice*>(parameter));
  if (!checkForUpdate(updateServerAddress, *notice)) return 0;
  // The notice lives on this thread; closing it posts no quit, so this loop runs until the
  // process ends.
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
}  // namespace

HANDLE startUpdateCheck() {
  if (!settings.checkUpdates) return nullptr;
  auto* notice = new UpdateNotice(updateNotice());  // the thread's to delete
  HANDLE thread = CreateThread(nullptr, 0, updateThread, notice, 0, nullptr);
  if (!thread) delete notice;
  return thread;
}

bool checkForUpdate(const char* serverAddress, const UpdateNotice& notice) {
  HMODULE library = LoadLibraryW(widePath("./update.dll").c_str());
  if (!library) return false;
  auto connect = exported<ConnectCall>(library, "_updateConnect");
  auto disconnect = exported<DisconnectCall>(library, "_updateDisconnect");
  auto getVersion = exported<GetVersionCall>(library, "_updateGetVersion");
  if (!connect || !disconnect || !getVersion || !connect(serverAddress)) {
    FreeLibrary(library);
    return false;
  }
  const bool newer = isNewerRelease(programVersion, getVersion());
  if (newer) {
    // The notice belongs to the main window, which a quick answer may beat; unowned, the
    // notice would end up behind Ovix. This thread waits for it, nobody waits for this thread.
    for (int tries = 0; tries < 200 && !mainWindow; ++tries) Sleep(50);
    // "class": user32's function UpdateWindow hides the name otherwise.
    new class UpdateWindow(notice);  // owns itself
  }
  disconnect();
  FreeLibrary(library);
  return newer;
}
