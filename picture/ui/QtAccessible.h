#pragma once
// Names for assistive technology: what a screen reader says for a control
// (through AT-SPI on the desktop).
//
// The convention: every control whose face is a picture, or whose caption is
// a symbol that reads badly aloud (①, －, ．, a caption padded with spaces),
// carries a Japanese accessible name that says what it does; every picture
// carries what it shows, in words, as its accessible description
// (pictureNarrative in picture/Picture.h). A window names its controls in
// one table, right after it has built them:
//
//     nameControls(this, {{"btnTasu", "たす"}, {"btnGyou1", "第1行"}});
//
// and a picture widget calls describePicture whenever its picture changes.

#include <QStringList>
#include <initializer_list>

#include "picture/Picture.h"

class QWidget;

struct AccessibleName {
    const char* objectName;  // the control, found among the window's children
    const char* name;        // what a screen reader says (UTF-8)
};

// Gives each named child of `window` its accessible name. Returns the object
// names that were not found (and warns about them), so that a renamed control
// does not silently lose its name.
QStringList nameControls(QWidget* window, std::initializer_list<AccessibleName> names);

// The picture's description: what `picture` shows, in words.
void describePicture(QWidget* widget, const Picture& picture);
