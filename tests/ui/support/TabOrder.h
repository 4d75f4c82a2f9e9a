#pragma once

#include <QStringList>

class QWidget;

// The controls Tab reaches under root, in the order Tab reaches them from the first: enabled,
// shown, taking focus by Tab; of a group of exclusive radio buttons only the checked one.
QList<QWidget*> tabChain(QWidget& root);

// Where Tab under root (shown) goes against the order a person reads: from a control to one
// above it in the same column or above and to its left, or to one left of it in the same row.
// Moving on to the top of a column further right is reading order. Each fault names the two
// controls.
QStringList tabOrderFaults(QWidget& root);
