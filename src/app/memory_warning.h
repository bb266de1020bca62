#pragma once
// The warning shown when the photo window's textures do not fit the available memory.

// Shows the warning, owned by the main window, in the language's texts (section "Windows" ->
// "Memory"; the Czech texts when the language has none). It does not block; answering it
// ends Ovix, since the main window quits on any box answer.
void warnOutOfMemory();
