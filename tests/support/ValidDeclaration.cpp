#include "ValidDeclaration.h"

#include "storage/DayCount.h"

mTDeclaration ValidDeclaration()
{
    mTDeclaration d;
    d.SetInteractiveDefaults();
    d.InspectionCode = QStringLiteral("7701");
    d.CorrectionNumber = 1;
    d.TaxpayerKind = TaxpayerCategory::OtherPerson;
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
