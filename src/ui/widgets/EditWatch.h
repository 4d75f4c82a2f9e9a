#pragma once

class FrameHost;
class QWidget;

// Tells the host of every edit a person makes in the fields under root, so that no edit the file
// keeps can be lost without the question on closing: typing in a line edit, ticking a box or
// choosing a radio button, choosing in a list box, stepping a number with its arrows, typing or
// picking a date in a DateField, and changing a number or a date box (while the person is at that
// field, so that what a frame shows on its own is no edit; a box or button that a frame put back
// before the click ended is none either). Watches the fields root holds when it
// is called; a frame's own finer notifications stay as they are.
void WatchEdits(QWidget& root, FrameHost& host);
