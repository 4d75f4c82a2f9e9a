#include "ui/pickers/PickerList.h"

#include <QApplication>

PickerList::PickerList(QWidget* parent) : QTreeWidget(parent) {}

void PickerList::keyboardSearch(const QString& search)
{
    if (search.isEmpty())
        return;
    const bool continues = m_sinceLastKey.isValid() &&
                           m_sinceLastKey.elapsed() <= QApplication::keyboardInputInterval();
    m_search = continues ? m_search + search : search;
    m_sinceLastKey.start();
    emit searchTyped(m_search);
}

int PickerList::findRow(const QString& search) const
{
    const int rows = topLevelItemCount();
    for (int row = 0; row < rows; ++row) {
        if (topLevelItem(row)->text(0).startsWith(search, Qt::CaseInsensitive))
            return row;
    }
    const QString wordStart = QLatin1Char(' ') + search;
    for (int row = 0; row < rows; ++row) {
        const QString name = topLevelItem(row)->text(1).trimmed();
        if (name.startsWith(search, Qt::CaseInsensitive) ||
            name.contains(wordStart, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}
