#pragma once
// The hint command (ヒント, F2): a graded hint worked out from the current
// step. The first press names the entry to make 1 or 0 next, a second press
// on the same step names the operation. It never composes or runs anything.

#include <string>

// ヒント(&T) in the drill's menu, and F2.
void hintClick();
// The worksheet's caption: the title, one star per solved question, and the
// number of hints used on the current question ("ヒント2") when there are any.
std::string drillCaption();
