#include "ui/widgets/FormGrid.h"

#include "ui/widgets/CodeField.h"
#include "ui/widgets/EntryFields.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

// A field that takes the room its row gives it, rather than the width of its named size.
bool grows(const QWidget& widget)
{
    return widget.minimumWidth() != widget.maximumWidth() &&
           (widget.sizePolicy().horizontalPolicy() & QSizePolicy::GrowFlag) != 0;
}

} // namespace

FormGrid::Field::Field(const QString& captionText, QWidget* field, Span fieldSpan)
    : caption(captionText), widget(field), span(fieldSpan)
{}

FormGrid::Field FormGrid::Field::uncaptioned(QWidget* field, const QString& name, Span fieldSpan)
{
    Field uncaptioned(QString(), field, fieldSpan);
    uncaptioned.accessibleName = name;
    return uncaptioned;
}

FormGrid::FormGrid(QWidget* owner) : m_owner(owner), m_grid(new QGridLayout(owner)) {}

QList<QLabel*> FormGrid::row(std::initializer_list<Field> fields)
{
    QList<QLabel*> captions;
    int column = 0;
    for (const Field& field : fields) {
        captions.append(field.caption.isEmpty()
                            ? nullptr
                            : EntryFields::caption(m_owner, field.widget, field.caption));
        if (captions.constLast() != nullptr)
            m_grid->addWidget(captions.constLast(), m_row, column);
        if (!field.accessibleName.isEmpty())
            field.widget->setAccessibleName(field.accessibleName);
        place(field, column + 1);
        column += 2;
    }
    updateRightEdge(column);
    ++m_row;
    return captions;
}

void FormGrid::place(const Field& field, int column)
{
    const int span = field.span == Span::ToRightEdge ? -1 : 1;
    auto* code = qobject_cast<CodeField*>(field.widget);
    if (code == nullptr) {
        m_grid->addWidget(field.widget, m_row, column, 1, span);
    } else {
        auto* cell = new QHBoxLayout;
        cell->addWidget(code, code->shows() == Shows::Name ? 1 : 0);
        cell->addWidget(code->button());
        if (code->shows() == Shows::Code && span == -1)
            cell->addStretch();
        m_grid->addLayout(cell, m_row, column, 1, span);
    }
    if (span == 1 && grows(*field.widget)) {
        m_grid->setColumnStretch(column, 1);
        m_growing = true;
    }
}

// Where no field grows, an empty column at the right edge takes the room left, so that the fields
// keep their widths and stand beside their captions.
void FormGrid::updateRightEdge(int columns)
{
    if (columns > m_columns) {
        m_grid->setColumnStretch(m_columns, 0);
        m_columns = columns;
    }
    m_grid->setColumnStretch(m_columns, m_growing ? 0 : 1);
}

void FormGrid::wide(QWidget* widget)
{
    m_grid->addWidget(widget, m_row++, 0, 1, -1);
}

void FormGrid::wide(QLayout* layout)
{
    m_grid->addLayout(layout, m_row++, 0, 1, -1);
}

QGroupBox* FormGrid::group(const char* name, const QString& title)
{
    auto* box = new QGroupBox(title, m_owner);
    box->setObjectName(QString::fromLatin1(name));
    wide(box);
    return box;
}

void FormGrid::stretch()
{
    m_grid->setRowStretch(m_row++, 1);
}
