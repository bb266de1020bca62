#pragma once
// Paths that reach Ovix from outside its own dialogs: the command line ("Open with", "Send
// to", a shortcut with a folder) and files dropped on the main window. Windows gives them as
// Unicode; here they become Ovix's path texts (UTF-8, platform/path_text.h).
#include <windows.h>

#include <string>
#include <vector>

// The process's command-line arguments after the program's name, split as the platform
// splits them (CommandLineToArgvW); none when there are none.
std::vector<std::string> commandLineArguments();

// The first path of a drop; empty when the drop holds none. The caller still ends the drop.
std::string droppedPath(HDROP drop);
