#pragma once

#include <QAccessible>

#include "readings.h"

class QWidget;

namespace dakru::ui {

// The main window's labels as a screen reader sees them. Once installed (the
// main window does it before it builds its labels), every ClickLabel answers
// with its accessible name (its text when it has none), the value last given
// to it, the role given to it (plain text unless said otherwise), and whether
// the keyboard cursor is on it. A button presses like a click.
void installAccessibleLabels();

// Gives a label its role; the cells, dice and hot spots are buttons.
void setAccessibleRole(QWidget& label, QAccessible::Role role);

// Keeps a control out of the tree a screen reader walks: a picture, a line, a
// frame or a caption that only decorates. Every window's list of children
// leaves it out.
void hideFromReaders(QWidget& control);

// Gives a label its reading, and tells the screen reader when the name or the
// value has changed.
void setReading(QWidget& label, const Reading& reading);

// Marks the label under the keyboard cursor, or takes the mark away, and
// tells the screen reader.
void setCursorFocus(QWidget& label, bool focused);

// The keyboard cursor has gone: the focus is the window's again, and the
// screen reader is told so.
void returnFocusToWindow(QWidget& window);

}  // namespace dakru::ui
