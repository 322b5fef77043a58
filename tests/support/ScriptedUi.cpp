#include "tests/support/ScriptedUi.h"

void ScriptedUi::showMessage(const std::string& text) {
    log.push_back({"message", "", text});
}

bool ScriptedUi::askYesNo(const std::string& caption, const std::string& text) {
    log.push_back({"yesno", caption, text});
    if (answers.empty()) {
        ++unscripted;
        return false;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a == Answer::Yes;
}

Answer ScriptedUi::askYesNoCancel(const std::string& caption, const std::string& text) {
    log.push_back({"yesnocancel", caption, text});
    if (answers.empty()) {
        ++unscripted;
        return Answer::Cancel;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

Answer ScriptedUi::askAbortRetryIgnore(const std::string& caption, const std::string& text) {
    log.push_back({"abortretryignore", caption, text});
    if (answers.empty()) {
        ++unscripted;
        return Answer::Abort;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

int ScriptedUi::chooseSpecialSolution() {
    log.push_back({"choice", "", ""});
    if (choices.empty()) {
        ++unscripted;
        return kChoiceNoSolution;
    }
    int c = choices.front();
    choices.pop_front();
    return c;
}

void ScriptedUi::terminate(int status) {
    log.push_back({"terminate", "", std::to_string(status)});
    terminatedWith = status;
}

std::vector<std::string> ScriptedUi::messages() const {
    std::vector<std::string> out;
    for (const auto& e : log)
        if (e.kind == "message")
            out.push_back(e.text);
    return out;
}

std::vector<std::string> ScriptedUi::texts() const {
    std::vector<std::string> out;
    for (const auto& e : log)
        out.push_back(e.text);
    return out;
}
