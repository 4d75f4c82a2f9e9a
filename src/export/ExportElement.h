#pragma once

#include "export/ExportXmlDocument.h"
#include "model/Money.h"

#include <QString>

// An element of the export document. Every value set through it is written in capitals
// (Cyrillic included); amounts and dates take the file's formats.
class ExportElement
{
public:
    explicit ExportElement(ExportXmlElement element) : m_element(element) {}

    ExportElement add(const char* name) const { return ExportElement(m_element.addChild(name)); }

    void set(const char* name, const QString& value) const;
    // Only when the trimmed value is not empty; the value is written as stored.
    void setIfFilled(const char* name, const QString& value) const;
    // Format K (amount with kopecks) and format G (plain amount).
    void setK(const char* name, Money value) const;
    void setG(const char* name, Money value) const;
    // "DD.MM.YYYY" of a day count.
    void setDate(const char* name, double dayCount) const;
    void setInt(const char* name, qint64 value) const;

private:
    ExportXmlElement m_element;
};
