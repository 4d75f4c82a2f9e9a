#pragma once

#include "ui/widgets/FieldSizes.h"

class QLineEdit;
class QWidget;

// Read-only displays of what the program works out or of what was chosen elsewhere (a total, a
// code chosen in a picker), laid out like fields after their captions. Unlike the kit's panel, Tab
// stops at them, so that a screen reader reads the figure with its caption; typing changes nothing.
namespace ReadOnlyFields {

// A money amount, aligned right, as wide as the largest amount of its shape.
QLineEdit* amount(QWidget* parent, const char* name, AmountShape shape);
// A directory code (as wide as a code) or a name (as wide as its row).
QLineEdit* text(QWidget* parent, const char* name, Shows shows);

} // namespace ReadOnlyFields
