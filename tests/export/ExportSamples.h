#pragma once

// Declarations for the export tests.

#include "export/ExportIdentifier.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"

inline ExportStamp fixedStamp()
{
    return {QDate(2014, 3, 5), QUuid::fromString(u"{0f8fad5b-d9cb-469f-a165-70867728950e}")};
}

// A resident with a filled-in taxpayer section and no income.
inline mTDeclaration residentDeclaration()
{
    mTDeclaration d;
    d.SetInteractiveDefaults();
    d.InspectionCode = QStringLiteral("7701");
    d.CorrectionNumber = 1;
    d.TaxpayerKind = 5;
    mTPersonInformation& p = d.Person;
    p.Surname = QStringLiteral("Иванов");
    p.FirstName = QStringLiteral("иван");
    p.Patronymic = QStringLiteral("Иванович");
    p.INN = QStringLiteral("500100732259");
    p.DocKind = 21;
    p.DocNumber = QStringLiteral("45 06 123456");
    p.DocIssueDate = DayCount::fromDate(2006, 7, 1);
    p.DocIssuer = QStringLiteral("ОВД «Арбат» г. Москвы");
    p.BirthDate = DayCount::fromDate(1980, 2, 29);
    p.BirthPlace = QStringLiteral("г. Москва");
    p.CitizenshipSign = QStringLiteral("1");
    p.CitizenshipCode = QStringLiteral("643");
    p.PostIndex = QStringLiteral("101000");
    p.RegionCode = 5;
    p.City = QStringLiteral("Махачкала");
    p.Street = QStringLiteral("ул. Ленина");
    p.House = QStringLiteral("1а");
    p.Flat = QStringLiteral("15");
    p.OKTMO = QStringLiteral("82701000");
    p.Phone = QStringLiteral("+7 872 123-45-67");
    return d;
}

// A 4-NDFL declaration of an entrepreneur-to-be.
inline mTDeclaration estimatedIncomeDeclaration()
{
    mTDeclaration d = residentDeclaration();
    d.DeclForm = DeclarationForm::EstimatedIncome;
    d.TaxpayerKind = 0;
    d.SetIncomeKinds(IncomeKind::Business);
    d.EstimatedIncome = Money::fromRoubles(150000);
    return d;
}
