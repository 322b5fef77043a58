#pragma once
// Running the composed operation (実行) and judging the answer.

#include <string>

// 実行: btnJikkou and Enter.
void btnJikkouClick();
// solvedCode of step curStep, judged from all its rows: -2 when a row reads
// 0 = c with c not zero; -1 when a row reads 0 = 0 and the rows do not
// contradict each other (the coefficients have the rank of the whole rows,
// computed exactly); else the number of coefficients equal to the identity's.
int solvedTest();
// Asks the special-solution choice until it is right, then shows the answer.
void judgeSpecial();
// Draws the answer, records the question, starts the blinking.
void showAnswer(int code);

// The messages of a refused run that the drill chooses itself.
inline constexpr const char* kNoPictureLeftMessage =
    "これ以上は書けません。訂正で前の式に戻すか、次の問題に進んでください";
inline constexpr const char* kAlreadySolvedMessage =
    "この問題はもう解けています。次の問題に進んでください";
