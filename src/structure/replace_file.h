#pragma once
// Moves `from` over `to` in one step: afterwards `to` holds either its old content or the
// whole of `from`, never a mixture. Both must be in the same folder. False on failure
// (then `to` is unchanged and `from` is left for the caller to remove).
bool replaceFile(const char* from, const char* to);
