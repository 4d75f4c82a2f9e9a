#pragma once

#include <QColor>

// How the program looks beyond the platform's style, set once where the application is set up: a
// clear focus frame on buttons, tool buttons, check boxes and radio buttons, and greyed captions
// that stay readable.
namespace ProgramLook {

// Disabled captions and texts keep at least this contrast against their background (a plain
// caption has at least 4.5 : 1 in any usual palette).
inline constexpr double kDisabledContrast = 3.5;

// Installs the focus frame and the readable greys on the application; doing it again changes
// nothing.
void apply();

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(const QColor& first, const QColor& second);

// colour moved step by step towards target until it has at least ratio against background (target
// itself when no step before it does).
QColor towards(const QColor& colour, const QColor& target, const QColor& background, double ratio);

} // namespace ProgramLook
