#pragma once
// A UiPort for tests: records every message and question in order and answers
// from scripted queues. When a queue runs dry it answers No / Cancel / Abort /
// "解なし", and notes that it had to guess.

#include <deque>
#include <string>
#include <vector>

#include "platform/UiPort.h"

class ScriptedUi final : public UiPort {
  public:
    struct Entry {
        std::string
            kind;  // "message", "yesno", "yesnocancel", "abortretryignore", "choice", "terminate"
        std::string caption;
        std::string text;
    };

    ScriptedUi() { setUi(this); }
    ~ScriptedUi() override { setUi(nullptr); }
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    Answer askYesNoCancel(const std::string& caption, const std::string& text) override;
    Answer askAbortRetryIgnore(const std::string& caption, const std::string& text) override;
    int chooseSpecialSolution() override;
    void terminate(int status) override;

    // Only the texts of plain messages, in order.
    std::vector<std::string> messages() const;
    // The text of every entry, of every kind, in order.
    std::vector<std::string> texts() const;
    void clear() { log.clear(); }

    std::vector<Entry> log;
    std::deque<Answer> answers;  // for askYesNo / askYesNoCancel / askAbortRetryIgnore
    std::deque<int> choices;     // for chooseSpecialSolution
    int terminatedWith = -1;     // exit status of terminate(), -1 when not called
    int unscripted = 0;          // questions answered by the fallback
};
