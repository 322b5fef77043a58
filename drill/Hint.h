#pragma once
// The hint command (ヒント, F2): a graded hint worked out from the current
// step. The first press names the entry to make 1 or 0 next, a second press
// on the same step names the operation. It never composes or runs anything.

#include <string>

// ヒント(&T) in the drill's menu, and F2.
void hintClick();
// F2 in the special-solution choice: asks what the row that decides the
// answer (0 = 0, or 0 = c) says.
void specialChoiceHint();

// The hint's words where it names no operation.
inline constexpr const char* kHintNoPictureLeft =
    "もう書ける図がありません。訂正で前の式に戻すか、次の問題に進みましょう";
// Followed by the count of operations still needed and of pictures left.
std::string hintTooFewPicturesText(int needed, int left);
// The worksheet's caption: the title, one star per solved question, and the
// number of hints used on the current question ("ヒント2") when there are any.
std::string drillCaption();
