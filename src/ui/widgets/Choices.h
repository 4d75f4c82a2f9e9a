#pragma once

#include <QBoxLayout>
#include <initializer_list>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QObject;
class QRadioButton;
class QString;
class QWidget;

// The choices of a frame or a dialog: radio buttons (one choice of several) and check boxes. Each
// carries its own text, which is its name for a screen reader; the layouts leave the room after the
// buttons empty, so that they stand together at the start of their row or column.
namespace Choices {

QRadioButton* radio(QWidget* parent, const char* name, const QString& text);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text);
// Makes the buttons one choice: checking one clears the others. The group belongs to owner.
QButtonGroup* exclusive(QObject* owner, std::initializer_list<QAbstractButton*> buttons);
// The buttons side by side, or one under the other.
QBoxLayout* row(std::initializer_list<QWidget*> buttons);
QBoxLayout* column(std::initializer_list<QWidget*> buttons);

} // namespace Choices
