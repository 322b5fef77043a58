#pragma once
// The keyboard on the drill: a key stroke as the windows hand it to the drill
// (Drill::routeKey), which routes it to composing, running and the next
// question. The routing sits above the drill's parts and calls them; none of
// them calls it.

#include <string>

// Key codes of a key event. Digits and letters are their ASCII codes ('0' …
// '9', 'A' … 'Z', the key itself, whatever Shift makes of it); other keys
// that type ASCII may use that code; the keys below have codes of their own.
namespace keys {
constexpr int kEnter = 0x1000;  // Return and the keypad's Enter
constexpr int kEscape = 0x1001;
constexpr int kDelete = 0x1002;
constexpr int kShift = 0x1003;
constexpr int kControl = 0x1004;
constexpr int kAlt = 0x1005;
constexpr int kMeta = 0x1006;
constexpr int kOther = 0x10FF;  // any other key
}  // namespace keys

// One key stroke as the window sees it: the key, the text it types (UTF-8,
// empty when it types nothing), whether Shift was held and whether the key is
// on the numeric keypad. The window fills `key` with the digit of the key
// pressed when it can tell; a Shift+digit reported as its shifted symbol
// ("!" "@" "\"" "#" "$") is taken as that digit.
struct KeyEvent {
    int key = keys::kOther;
    std::string text;
    bool shift = false;
    bool keypad = false;
};
