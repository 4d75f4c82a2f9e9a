#pragma once

class QWidget;

// The first control of frame, in Tab order, that a person types into or chooses with: a field
// (a CodeField too, whose typing opens its picker), a spin or combo box, a list, a check box, or
// of a group of radio buttons the one chosen, where Tab would land. Without one, the first Tab
// stop of the frame; null when there is none.
QWidget* FirstField(QWidget& frame);

// Puts the focus on the first field of frame, unless a control of frame has the focus of its
// window already (a frame that chose its own, a check that led to a field).
void FocusFirstField(QWidget& frame);
