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

}  // namespace

UiPort& ui() {
    return *installed;
}

void setUi(UiPort* port) {
    installed = port ? port : &silent;
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
