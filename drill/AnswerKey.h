#pragma once
// The answer key of a unit: every question of it worked by the hint's plan on
// the drill, from set-up to the answer, with the pictures and narratives the
// worksheet shows for it. The printer (drill/ui/AnswerKeyPrint.h) puts them
// on paper with the worksheet's print layout.

#include <string>
#include <vector>

#include "drill/WorksheetLayout.h"
#include "picture/Picture.h"
#include "questions/QuestionBank.h"

struct AnswerKeyQuestion {
    int unit = 0;
    int number = 0;
    std::string line;    // the question as the file writes it
    std::string header;  // "単元1　２元１次連立方程式　問題1"
    // Image 1 … the last picture in use, as the worksheet drew them.
    std::vector<Picture> steps;
    // The last of them holds the answer (else the answer group does).
    bool lastIsAnswer = false;
    bool answerShown = false;  // the answer group's pictures hold the answer
    Picture answerX;
    Picture answerY;
    // The answer in words: "x = 3,  y = -1", "解なし", "解は無数にある"; empty
    // when the question could not be worked, and `problem` says why.
    std::string answer;
    std::string problem;
};

// Works every question of `unit` of `bank` on a worksheet laid out as
// `layout`, the drill's own state left as it was. A unit without questions
// gives none.
std::vector<AnswerKeyQuestion> buildAnswerKey(const QuestionBank& bank, int unit,
                                              const WorksheetLayout& layout);

// The words of a question that could not be worked.
inline constexpr const char* kAnswerKeyNotSetUp = "この問題は正しく設定できません";
inline constexpr const char* kAnswerKeyAlreadySolved = "この問題は最初から解けています";
inline constexpr const char* kAnswerKeyNoPlan = "ヒントの手順で解けませんでした";
