#pragma once
// What the program says to the student and what the student answers, without
// the port that carries it (UiPort.h). The ground floor — fractions, number
// texts, the row-operation engine, the matrix operations and files — never
// talks to the student itself: it hands its messages back in these values, and
// the drill, the calculator and the input model show them.

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Messages for the student, in the order they are to be shown.
using Messages = std::vector<std::string>;

// What an operation that may be refused hands back: whether it did what was
// asked, and its messages in order. A refusal carries its reason; an
// operation that did its work may still have something to say.
struct [[nodiscard]] Outcome {
    bool done = false;
    Messages messages;

    static Outcome success() { return Outcome{true, {}}; }
    static Outcome refused(std::string message) { return Outcome{false, {std::move(message)}}; }
};

// A question with Abort/Retry/Ignore buttons under a caption, which a caller
// passes down for the ground floor to ask on its behalf (a division by zero).
// The answer changes nothing.
using AbortRetryIgnoreQuestion =
    std::function<void(const std::string& caption, const std::string& text)>;

enum class Answer { Yes, No, Cancel, Abort, Retry, Ignore };

// Modal results of the special-solution choice.
constexpr int kChoiceNoSolution = 3;  // "解なし"
constexpr int kChoiceInfinitely = 8;  // "解は無数にある"
