#pragma once

// Writes the 3-NDFL body of a declaration from sheets the test fills in by hand, so the export is
// tested apart from the computation, and reads the result back.

#include "calc/SvodSum.h"
#include "export/ExportElement.h"
#include "export/ExportXmlDocument.h"
#include "export/Ndfl3Body.h"
#include "model/Declaration.h"

#include <QByteArray>

inline QByteArray exportBody(const mTDeclaration& declaration, const kTSvodSum& sum)
{
    ExportXmlDocument document("Файл");
    Ndfl3Body::write(ExportElement(document.root().addChild("Документ")), declaration, sum);
    return document.toWindows1251();
}

// Paths into the body.
inline QString bodyPath(const QString& rest)
{
    return QStringLiteral("/Файл/Документ/НДФЛ3/") + rest;
}

inline QString sheetsPath(const QString& rest)
{
    return QStringLiteral("/Файл/Документ/НДФЛ3/ИтогУплВозв/СведДохВыч/") + rest;
}

inline mTThirteenPercent thirteenSource(const QString& inn, const QString& kpp, qint64 income)
{
    mTThirteenPercent source;
    source.SourceINN = inn;
    source.SourceKPP = kpp;
    source.SourceName = QStringLiteral("ООО «Ромашка»");
    source.SourceOKTMO = QStringLiteral("45382000");
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeSum = Money::fromRoubles(income);
    line.IncomeMonth = 1;
    source.AddIncome(line);
    source.TaxableIncome = Money::fromRoubles(income);
    source.TaxComputed = Money::fromRoubles(income * 13 / 100);
    source.TaxWithheld = Money::fromRoubles(income * 13 / 100);
    return source;
}
