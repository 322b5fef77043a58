#include "drill/QtDrillSync.h"

#include <QKeyEvent>

#include "drill/Drill.h"
#include "drill/TfrmMainDrillPanel.h"
#include "drill/TfrmPage.h"

void watchDrillModel() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    setDrillObserver(syncDrillWindows);
}

void syncDrillWindows() {
    if (frmPage)
        frmPage->syncFromModel();
    if (drillPanel)
        drillPanel->syncFromModel();
}

KeyEvent drillKeyEvent(const QKeyEvent& event) {
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
    out.text = event.text().toStdString();
    out.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    out.keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    return out;
}
