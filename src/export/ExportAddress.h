#pragma once

#include "export/ExportElement.h"

#include <QString>

// An address in Russia as its export elements carry it: the taxpayer's home and the property
// of a deduction are written alike.
struct ExportAddress
{
    QString postIndex;
    QString regionCode; // two digits, already padded
    QString district;
    QString city;
    QString locality;
    QString street;
    QString house;
    QString building;
    QString flat;

    // The region always; every other part only when it is filled.
    void write(const ExportElement& address) const;
};
