#pragma once

#include <QList>
#include <QString>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QWidget;

// A form declared as rows, laid out in a grid on its owner (a frame, a page, a group box). A row
// holds fields side by side, each after its caption in a column of its own, so the captions and
// fields of rows one under the other line up; the last field of a row may span to the right edge.
// A caption is made by the kit (EntryFields::caption): a mnemonic and the field as its buddy, so
// the caption is the field's name for a screen reader; a field without a caption of its own gets
// an accessible name instead. A CodeField takes its "..." button into its cell. Fields are as wide
// as their named sizes; the columns of the fields that grow share the room left, and where none
// grows it stays at the right edge.
//
// Tab takes the fields in the order they were created: create them in the order of the rows.
class FormGrid
{
public:
    enum class Span
    {
        One,         // its own column
        ToRightEdge, // across the columns on its right
    };

    struct Field
    {
        // A field after its caption ("&Фамилия"); an empty caption leaves the caption cell empty.
        Field(const QString& captionText, QWidget* field, Span fieldSpan = Span::One);
        // A field without a caption of its own: a screen reader names it by name.
        static Field uncaptioned(QWidget* field, const QString& name, Span fieldSpan = Span::One);

        QString caption;
        QWidget* widget;
        Span span;
        QString accessibleName;
    };

    explicit FormGrid(QWidget* owner);

    // One row of fields; returns their captions in order (null for a field without one).
    QList<QLabel*> row(std::initializer_list<Field> fields);
    // A widget or a layout across the whole width: choices, a note, a group box.
    void wide(QWidget* widget);
    void wide(QLayout* layout);
    // A titled group box across the whole width, to lay out with a FormGrid of its own.
    QGroupBox* group(const char* name, const QString& title);
    // The rows stay at the top; the room under them stays empty.
    void stretch();

    QGridLayout* layout() const { return m_grid; }

private:
    void place(const Field& field, int column);
    void updateRightEdge(int columns);

    QWidget* m_owner;
    QGridLayout* m_grid;
    int m_row = 0;
    int m_columns = 0;
    bool m_growing = false;
};
