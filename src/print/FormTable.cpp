#include "print/FormTable.h"

namespace {

const char16_t* const tableText =
#include "print/FormTable.inc"
    ;

} // namespace

const FormTable& FormTable::instance()
{
    static const FormTable table;
    return table;
}

FormTable::FormTable()
{
    FormBlock* current = nullptr;
    const QStringList lines = QString::fromUtf16(tableText).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1String("= "))) {
            const QStringList parts = line.mid(2).split(QLatin1Char('|'));
            m_sheetOrder << parts.value(0);
            m_sheetTitles.insert(parts.value(0), parts.value(1));
        } else if (line.startsWith(QLatin1Char('@'))) {
            const QStringList parts = line.mid(1).split(QLatin1Char('|'));
            FormBlock block;
            if (parts.value(1) != QLatin1String("-"))
                block.sheet = parts.value(1);
            block.title = parts.value(2);
            current = &m_blocks.insert(parts.value(0), block).value();
        } else if (current) {
            const QStringList parts = line.split(QLatin1Char('|'));
            current->lines.insert(parts.value(0), FormLine{parts.value(1), parts.value(2)});
        }
    }
}

const FormBlock* FormTable::block(const QString& parent, const QString& element) const
{
    auto found = m_blocks.constFind(parent + QLatin1Char('/') + element);
    if (found == m_blocks.constEnd())
        found = m_blocks.constFind(element);
    return found == m_blocks.constEnd() ? nullptr : &found.value();
}
