#pragma once

class QWidget;

// Puts the focus on the first field of frame a person types into or ticks (of a group of radio
// buttons, the one chosen, where Tab would land; a button only when frame has no field), unless a
// control of frame has the focus of its window already (a frame that chose its own, a check that
// led to a field).
void FocusFirstField(QWidget& frame);
