#pragma once
// The UI port in its Qt form: modal message boxes over the active window.

#include <QString>
#include <functional>

#include "platform/UiPort.h"

// The application title: message boxes without a caption of their own carry it.
inline const QString kAppTitle = QStringLiteral("Tabulon 行列と連立方程式");

class QtUi final : public UiPort {
  public:
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    Answer askYesNoCancel(const std::string& caption, const std::string& text) override;
    Answer askAbortRetryIgnore(const std::string& caption, const std::string& text) override;
    // Asks the special-solution window when it has installed itself in
    // specialSolutionChooser; until then a plain two-button box.
    int chooseSpecialSolution() override;
    // Ends the program at once with `status`, from inside or outside the event loop.
    void terminate(int status) override;

    // The special-solution window installs itself here: it is shown modally and
    // returns kChoiceNoSolution or kChoiceInfinitely.
    std::function<int()> specialSolutionChooser;
};

// The port the program installs at start-up.
QtUi& qtUi();
