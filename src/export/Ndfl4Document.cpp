#include "export/Ndfl4Document.h"

#include "export/ExportFormat.h"
#include "export/TaxpayerElements.h"
#include "model/Declaration.h"

namespace Ndfl4Document {

void write(const ExportElement& document, const mTDeclaration& declaration,
           const ExportStamp& stamp)
{
    document.set("КНД", QStringLiteral("1151021"));
    document.set("ДатаДок", ExportFormat::date(stamp.date));
    document.set("ОтчетГод",
                 declaration.TaxYear == 2013 ? QStringLiteral("2014") : QStringLiteral("2015"));
    document.set("КодНО", declaration.InspectionCode);
    document.setInt("НомКорр", declaration.CorrectionNumber);

    const mTPersonInformation& person = declaration.Person;
    const ExportElement taxpayer = document.add("СвНП").add("НПФЛ");
    taxpayer.set("ДокПредст", TaxpayerElements::categoryCode(declaration.TaxpayerKind, true));
    taxpayer.set("ИННФЛ", person.INN);
    taxpayer.set("ОКТМО", person.OKTMO);
    taxpayer.setIfFilled("Тлф", person.Phone);
    const ExportElement name = taxpayer.add("ФИО");
    name.set("Фамилия", person.Surname);
    name.set("Имя", person.FirstName);
    name.setIfFilled("Отчество", person.Patronymic);

    TaxpayerElements::writeSigner(document, declaration);

    document.add("НДФЛ4").setG("ПредДоход", declaration.EstimatedIncome);
}

} // namespace Ndfl4Document
