#pragma once
// Ordering Ovix's release names, as the update check compares them.

// True when `offered` names a later release than `own`. When both are "Ovix " followed by
// dot-separated numbers, the numbers are compared one by one, missing ones counting as 0: so
// "Ovix 1.10.0" is later than "Ovix 1.2.0". Otherwise the texts are compared byte by byte as
// unsigned characters. Null counts as the empty text.
bool isNewerRelease(const char* own, const char* offered);
