#pragma once
// Saving the settings when the user confirms a dialog.

// Writes the settings into config.conf. When the file cannot be written (read-only file or
// folder, a folder of that name), shows one message box owned by the main window that names
// the file, and returns false; the settings stay in memory and Ovix carries on.
bool saveSettingsOrTell();
