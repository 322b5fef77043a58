#pragma once
// The hint command's words (the command is Drill::hintClick).

#include <string>

// The hint's words where it names no operation.
inline constexpr const char* kHintNoPictureLeft =
    "もう書ける図がありません。訂正で前の式に戻すか、次の問題に進みましょう";
// Followed by the count of operations still needed and of pictures left.
std::string hintTooFewPicturesText(int needed, int left);
