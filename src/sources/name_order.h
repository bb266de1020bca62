#pragma once
// The order of the names within one folder of photos.
//
// Names are compared by their UTF-16 units after each letter is turned to upper case, as NTFS
// keeps its folders (and as Wine lists them): so the order of plain ASCII names is the one the
// listing always gave ("_a" after "B", digits before letters), whatever the file system, and
// names in other scripts sort by their Unicode text without regard to case. Upper case is
// known for Latin (ASCII, Latin-1 and Latin Extended-A, which hold every Czech, Slovak, Polish
// and Hungarian letter), Greek and Cyrillic; other characters (CJK, emoji) stand as they are.
// Names equal but for case keep the order of their exact text.
#include <string>

// True when the name `a` comes before the name `b` (both UTF-8) in the order above.
bool nameBefore(const std::string& a, const std::string& b);
