#pragma once
// Where the windows of the drill, the question editor, the problem choice,
// the calculator and the records plug into the shell. Each window installs
// its functions here when it is created (see createWindows in StartUp.cpp);
// the shell calls a function only when it is installed, so a command whose
// window does not exist yet does nothing.

#include <functional>

class QKeyEvent;
class QWidget;

struct ShellHooks {
    // The frame's key preview: every key pressed while the frame or the
    // worksheet has the focus comes here before the focused control sees it.
    // Return true when the key was used up.
    std::function<bool(QKeyEvent*)> routeKey;
    // The problem choice window (frmMondai), shown modally; the argument says
    // whether its unit list shows. Returns its modal result: 1 OK, 2 cancel.
    std::function<int(bool showUnitList)> showProblemChoice;
    // The drill panel is about to show: makes it if it does not exist yet.
    std::function<void()> drillPanelNeeded;
    // The drill's focus rule: 実行 when it is enabled, else 次の問題.
    std::function<void()> applyFocusRule;
    // Called after the shell has set up a question (start-up, unit change,
    // another question file), so the drill's windows can redraw.
    std::function<void()> questionStarted;

    // Menu and button commands of later windows.
    std::function<bool()> saveQuestionFile;   // 保存する(&S); true when written
    std::function<void()> editQuestions;      // 問題を編集する(&E)
    std::function<void()> printWorksheet;     // 印刷する(&P)
    std::function<void()> showPrintSettings;  // 印刷の設定(&T)
    // 模範解答を印刷(&A) in the drill and in the question editor: asks for a
    // unit of the question text in use (the window asking is the argument)
    // and prints its answer key.
    std::function<void(QWidget* from)> printAnswerKey;
    std::function<void()> showRecords;     // 記録(&R)
    std::function<void()> nextQuestion;    // 次の問題(&N)
    std::function<void()> showVersion;     // バージョン(&V)
    std::function<void()> showCalculator;  // 行列の学習: the calculator in its plain mode
    // The step listing for a step of the worksheet (right mouse button).
    std::function<void(int step)> showStepListing;
};

extern ShellHooks shellHooks;
