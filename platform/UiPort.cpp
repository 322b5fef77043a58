#include "platform/UiPort.h"

namespace {

class SilentUi final : public UiPort {
  public:
    void showMessage(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    Answer askYesNoCancel(const std::string&, const std::string&) override {
        return Answer::Cancel;
    }
    Answer askAbortRetryIgnore(const std::string&, const std::string&) override {
        return Answer::Abort;
    }
    int chooseSpecialSolution() override { return kChoiceNoSolution; }
    void terminate(int) override {}
};

SilentUi silent;
UiPort* installed = &silent;

// Hands every call to the port installed at the time of the call.
class InstalledUi final : public UiPort {
  public:
    void showMessage(const std::string& text) override { ui().showMessage(text); }
    bool askYesNo(const std::string& caption, const std::string& text) override {
        return ui().askYesNo(caption, text);
    }
    Answer askYesNoCancel(const std::string& caption, const std::string& text) override {
        return ui().askYesNoCancel(caption, text);
    }
    Answer askAbortRetryIgnore(const std::string& caption, const std::string& text) override {
        return ui().askAbortRetryIgnore(caption, text);
    }
    int chooseSpecialSolution() override { return ui().chooseSpecialSolution(); }
    void terminate(int status) override { ui().terminate(status); }
};

InstalledUi forwarding;

}  // namespace

UiPort& ui() {
    return *installed;
}

void setUi(UiPort* port) {
    // The forwarding port installed would forward to itself for ever.
    installed = port && port != &forwarding ? port : &silent;
}

UiPort& installedUi() {
    return forwarding;
}

void showMessages(const Messages& messages) {
    for (const std::string& text : messages)
        ui().showMessage(text);
}

void askAbortRetryIgnoreBox(const std::string& caption, const std::string& text) {
    ui().askAbortRetryIgnore(caption, text);
}

QuietUi::QuietUi() : previous_(ui()) {
    setUi(nullptr);
}

QuietUi::~QuietUi() {
    setUi(&previous_);
}
