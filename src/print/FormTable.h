#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One line of the printed form: its line code and its caption.
struct FormLine
{
    QString code;
    QString caption;
};

// How the printed form shows one element of the XML: the sheet it starts (empty: the sheet of its
// parent), the title of its block ("%n" stands for its number among like-named siblings) and the
// form lines of its attributes.
struct FormBlock
{
    QString sheet;
    QString title;
    QHash<QString, FormLine> lines;
};

// The captions of the printed 3-NDFL and 4-NDFL forms: sheets in print order and the blocks of
// the XML elements.
class FormTable
{
public:
    static const FormTable& instance();

    // The block of element under parent ("Parent/Element" before "Element"), or nullptr.
    const FormBlock* block(const QString& parent, const QString& element) const;
    const QStringList& sheetOrder() const { return m_sheetOrder; }
    QString sheetTitle(const QString& sheet) const { return m_sheetTitles.value(sheet); }

private:
    FormTable();

    QStringList m_sheetOrder;
    QHash<QString, QString> m_sheetTitles;
    QHash<QString, FormBlock> m_blocks;
};
