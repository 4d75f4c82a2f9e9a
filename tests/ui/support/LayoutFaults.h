#pragma once

// What a person could not see or read on a screen as it is shown now. Each fault is one line that
// names the widget by its path of object names under the screen (the class name stands in for a
// widget without one), and says what is wrong:
// - a visible widget lies (partly) outside the visible area of its parent;
// - a widget was squeezed below its minimum size hint (a widget given a smaller fixed or maximum
//   size on purpose is judged by its content instead);
// - a caption or value does not fit its widget by font metrics: label, button, check box, radio
//   button, group box title, combo box current text, and the text of a read-only field, unless
//   the widget's tooltip shows the whole text;
// - an amount or digits field is too narrow for the longest value it accepts;
// - a cell or header of a list is cut and its tooltip does not show the whole text.
// Qt's own inner widgets (scroll bars, spin box editors, ...) and what scrolls inside a list are
// not inspected; the page of a scroll area is inspected whole, as scrolling shows every part of it.

#include <QStringList>

class QRect;
class QWidget;

QStringList layoutFaults(const QWidget& screen);

// What a person could not reach or hear on a screen through a screen reader or the keyboard, each
// fault one line naming the widget as above:
// - a control that Tab reaches has no name of its own (none, only punctuation such as "..." or
//   "?", or the title of the group box it lies in, which is all a reader then says);
// - a list has no name;
// - two controls of the window answer to the same Alt+letter (the menus' letters included);
// - a read-only figure is neither reached by Tab nor read in the description of a control that is.
// Controls not shown now are left out.
QStringList accessFaults(const QWidget& screen);

// A rectangle as the faults name it: "800x571 at (0,0)".
QString describe(const QRect& rect);
