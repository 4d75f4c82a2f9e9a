#include "export/ExportElement.h"

#include "export/ExportFormat.h"

void ExportElement::set(const char* name, const QString& value) const
{
    m_element.setAttribute(name, value.toUpper());
}

void ExportElement::setIfFilled(const char* name, const QString& value) const
{
    if (!value.trimmed().isEmpty())
        set(name, value);
}

void ExportElement::setK(const char* name, Money value) const
{
    m_element.setAttribute(name, ExportFormat::amountK(value));
}

void ExportElement::setG(const char* name, Money value) const
{
    m_element.setAttribute(name, ExportFormat::amountG(value));
}

void ExportElement::setDate(const char* name, double dayCount) const
{
    m_element.setAttribute(name, ExportFormat::date(dayCount));
}

void ExportElement::setInt(const char* name, qint64 value) const
{
    m_element.setAttribute(name, QString::number(value));
}
