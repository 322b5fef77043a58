#pragma once
// Running the composed operation (実行) and judging the answer.

#include <string>

// The messages of a refused run that the drill chooses itself.
inline constexpr const char* kNoPictureLeftMessage =
    "これ以上は書けません。訂正で前の式に戻すか、次の問題に進んでください";
inline constexpr const char* kAlreadySolvedMessage =
    "この問題はもう解けています。次の問題に進んでください";
