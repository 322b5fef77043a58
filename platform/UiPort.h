#pragma once
// The one way core code talks to the student: messages and questions. The
// program installs a Qt implementation at start-up; tests install a scripted
// one (ScriptedUi.h) that records every message and returns scripted answers.

#include <string>

#include "platform/Dialogue.h"

class UiPort {
  public:
    virtual ~UiPort() = default;
    // A plain modal message.
    virtual void showMessage(const std::string& text) = 0;
    // A box with the given caption and Yes/No buttons: true for Yes.
    virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
    // A box with the given caption and Yes/No/Cancel buttons.
    virtual Answer askYesNoCancel(const std::string& caption, const std::string& text) = 0;
    // A warning box with Abort/Retry/Ignore buttons.
    virtual Answer askAbortRetryIgnore(const std::string& caption, const std::string& text) = 0;
    // The special-solution choice: kChoiceNoSolution or kChoiceInfinitely.
    virtual int chooseSpecialSolution() = 0;
    // Ends the program with the given exit status after a fatal error.
    virtual void terminate(int status) = 0;
};

// The installed port. Before anything is installed a silent port answers
// No/Cancel and ignores messages, so no core call ever dereferences null.
UiPort& ui();
// Installs a port (not owned); nullptr restores the silent port.
void setUi(UiPort* port);
// A port that hands every call to the one installed at that moment: for an
// object made once for the whole program (the drill), which then talks
// through whatever port the program or a test has installed.
UiPort& installedUi();

// Shows the messages one after another, in their order, through the
// installed port.
void showMessages(const Messages& messages);
// The installed port's Abort/Retry/Ignore box, in the form the arithmetic
// takes its division-by-zero question in (the answer is not used).
void askAbortRetryIgnoreBox(const std::string& caption, const std::string& text);

// While one lives, the silent port is installed: a caller that works
// something out aside (a check, a reason) keeps the readers' own messages off
// the screen. The port before it comes back when it ends.
class QuietUi {
  public:
    QuietUi();
    ~QuietUi();
    QuietUi(const QuietUi&) = delete;
    QuietUi& operator=(const QuietUi&) = delete;

  private:
    UiPort& previous_;
};
