#pragma once
// The drill model's change notification in its Qt form: after every change
// the drill's windows (the worksheet and the drill panel) read the model
// again and show it.

class Drill;
class QKeyEvent;
struct KeyEvent;

// Installs `drill`'s observer (again, when something else took its place).
void watchDrillModel(Drill& drill);
// Shows the model's state in every drill window that exists.
void syncDrillWindows();

// A key of the keyboard as the drill's key routing takes it: digits and
// letters by their ASCII code, Return and Enter, Esc, Delete and the
// modifiers by their own codes, other keys that type ASCII by that code; the
// typed text, Shift, and whether the key is on the numeric keypad.
KeyEvent drillKeyEvent(const QKeyEvent& event);
// The key code that a key pressed with Shift stands for: the digit of a top-row
// digit key whatever the layout types with it, given the X server's scan code
// (0 when there is none).
int shiftedKeyOnTheTopRow(unsigned scanCode, int key);
