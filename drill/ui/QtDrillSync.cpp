#include "drill/ui/QtDrillSync.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <utility>

#include "drill/Drill.h"
#include "drill/Keys.h"
#include "drill/ui/TfrmMainDrillPanel.h"
#include "drill/ui/TfrmPage.h"

void watchDrillModel(Drill& drill) {
    drill.setObserver(syncDrillWindows);
}

void syncDrillWindows() {
    if (frmPage)
        frmPage->syncFromModel();
    if (drillPanel)
        drillPanel->syncFromModel();
}

int shiftedKeyOnTheTopRow(unsigned scanCode, int key) {
    // What Shift makes of a digit key depends on the keyboard layout ("!" on
    // a US keyboard, "£" on a British one for Shift+3), but the key itself is
    // known by its scan code: the X server numbers the top row's 1 … 9, 0 as
    // 10 … 19. Any other key that a layout might report as "!" "@" "\"" "#"
    // "$" is not a digit key. Without scan codes (0, or not an X server), the
    // key stays as the platform reported it.
    if (scanCode == 0)
        return key;
    if (scanCode >= 10 && scanCode <= 19)
        return scanCode == 19 ? '0' : static_cast<int>('1' + (scanCode - 10));
    if (key == '!' || key == '@' || key == '"' || key == '#' || key == '$')
        return keys::kOther;
    return key;
}

KeyEvent drillKeyEvent(const QKeyEvent& event) {
    static const bool xcb = QGuiApplication::platformName() == QLatin1String("xcb");
    KeyEvent out;
    const int key = event.key();
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            out.key = keys::kEnter;
            break;
        case Qt::Key_Escape:
            out.key = keys::kEscape;
            break;
        case Qt::Key_Delete:
            out.key = keys::kDelete;
            break;
        case Qt::Key_Shift:
            out.key = keys::kShift;
            break;
        case Qt::Key_Control:
            out.key = keys::kControl;
            break;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            out.key = keys::kAlt;
            break;
        case Qt::Key_Meta:
            out.key = keys::kMeta;
            break;
        default:
            // Qt's codes of the keys that type ASCII are those characters
            // (letters as capitals).
            out.key = key > 0x20 && key < 0x7F ? key : keys::kOther;
            break;
    }
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        // Shift turns the numeric pad's digits into its other keys (End for
        // 1, Down for 2, …): the key is still the digit.
        static const std::pair<int, char> pad[] = {
            {Qt::Key_Insert, '0'},   {Qt::Key_End, '1'},  {Qt::Key_Down, '2'},
            {Qt::Key_PageDown, '3'}, {Qt::Key_Left, '4'}, {Qt::Key_Clear, '5'},
            {Qt::Key_Right, '6'},    {Qt::Key_Home, '7'}, {Qt::Key_Up, '8'},
            {Qt::Key_PageUp, '9'},
        };
        for (const auto& [padKey, digit] : pad)
            if (key == padKey)
                out.key = digit;
    }
    if (event.modifiers().testFlag(Qt::ShiftModifier) &&
        !event.modifiers().testFlag(Qt::KeypadModifier))
        out.key = shiftedKeyOnTheTopRow(xcb ? event.nativeScanCode() : 0, out.key);
    out.text = event.text().toStdString();
    out.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    out.keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    return out;
}
