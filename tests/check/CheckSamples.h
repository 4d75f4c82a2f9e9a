#pragma once

#include "model/Declaration.h"
#include "storage/DayCount.h"

// A declaration that passes the whole check: a resident with a valid INN, a passport and an
// address, and no income kinds.
inline mTDeclaration PassingDeclaration()
{
    mTDeclaration d;
    d.InspectionCode = QStringLiteral("7728");
    mTPersonInformation& p = d.Person;
    p.Surname = QStringLiteral("Смирнова");
    p.FirstName = QStringLiteral("Анна");
    p.INN = QStringLiteral("123456789047");
    p.BirthPlace = QStringLiteral("г. Москва");
    p.DocKind = 21;
    p.DocNumber = QStringLiteral("45 08 765432");
    p.BirthDate = DayCount::fromDate(1982, 11, 3);
    p.DocIssueDate = DayCount::fromDate(2008, 6, 18);
    p.DocIssuer = QStringLiteral("ОВД Тверской");
    p.RegionCode = 77;
    p.Street = QStringLiteral("Тверская");
    p.OKTMO = QStringLiteral("45382000");
    return d;
}

// A 13 % source with one income line.
inline mTThirteenPercent SourceWithIncome(Money income, Money withheld)
{
    mTThirteenPercent source;
    source.SourceName = QStringLiteral("ООО Ромашка");
    mTSourseIncome line;
    line.IncomeCode = 2000;
    line.IncomeSum = income;
    source.AddIncome(line);
    source.TaxWithheld = withheld;
    return source;
}
