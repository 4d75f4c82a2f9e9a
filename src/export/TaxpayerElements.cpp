#include "export/TaxpayerElements.h"

#include "export/ExportAddress.h"
#include "export/ExportFormat.h"
#include "model/Declaration.h"

namespace {

constexpr int kNamePartLength = 60;

// The text before the first blank (all of it when there is none), at most 60 characters.
QString firstWord(const QString& text)
{
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return (blank < 0 ? text : text.left(blank)).left(kNamePartLength).trimmed();
}

QString blankWhenEmpty(const QString& text)
{
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

QString citizenshipCountry(const QString& code)
{
    const QString trimmed = code.trimmed();
    return ExportFormat::zeroPadded(trimmed.isEmpty() ? QStringLiteral("643") : trimmed, 3);
}

void writeAddress(const ExportElement& address, const mTPersonInformation& person)
{
    const ExportAddress parts{person.PostIndex, ExportFormat::zeroPadded(person.RegionCode, 2),
                              person.District,  person.City,
                              person.Locality,  person.Street,
                              person.House,     person.Building,
                              person.Flat};
    parts.write(address);
}

void writeIdentityDocument(const ExportElement& parent, const mTPersonInformation& person)
{
    const ExportElement document = parent.add("УдЛичн");
    document.set("КодВидДок", ExportFormat::zeroPadded(person.DocKind, 2));
    document.set("СерНомДок", person.DocNumber);
    document.setDate("ДатаДок", person.DocIssueDate);
    document.set("ВыдДок", person.DocIssuer);
}

void writePersonalData(const ExportElement& taxpayer, const mTPersonInformation& person)
{
    if (!person.INN.trimmed().isEmpty()) {
        const ExportElement data = taxpayer.add("СведФЛ1");
        data.set("ИННФЛ", person.INN);
        data.setDate("ДатаРожд", person.BirthDate);
        data.setIfFilled("МестоРожд", person.BirthPlace);
        data.set("ПрГражд", person.CitizenshipSign);
        data.set("ОКСМ", citizenshipCountry(person.CitizenshipCode));
        if (person.DocKind != 0)
            writeIdentityDocument(data, person);
    } else {
        const ExportElement data = taxpayer.add("СведФЛ2");
        data.setDate("ДатаРожд", person.BirthDate);
        data.set("МестоРожд", person.BirthPlace);
        data.set("ПрГражд", person.CitizenshipSign);
        data.set("ОКСМ", citizenshipCountry(person.CitizenshipCode));
        writeIdentityDocument(data, person);
    }
}

} // namespace

RepresentativeName RepresentativeName::split(const QString& fullName)
{
    const QString name = fullName.trimmed();
    RepresentativeName parts;
    parts.surname = firstWord(name);
    const QString rest = name.mid(parts.surname.size()).trimmed();
    parts.firstName = firstWord(rest);
    parts.patronymic = rest.mid(parts.firstName.size(), kNamePartLength).trimmed();
    parts.surname = blankWhenEmpty(parts.surname);
    parts.firstName = blankWhenEmpty(parts.firstName);
    return parts;
}

namespace TaxpayerElements {

QString categoryCode(quint8 kind, bool estimatedIncome)
{
    switch (kind) {
    case TaxpayerCategory::Entrepreneur:
        return QStringLiteral("720");
    case TaxpayerCategory::FarmHead:
        return QStringLiteral("770");
    case TaxpayerCategory::Notary:
        return QStringLiteral("730");
    case TaxpayerCategory::Lawyer:
        return QStringLiteral("740");
    default:
        if (estimatedIncome)
            return QStringLiteral("000");
        return kind == TaxpayerCategory::Unused ? QStringLiteral("750") : QStringLiteral("760");
    }
}

void writeNdfl3Header(const ExportElement& document, const mTDeclaration& declaration,
                      const ExportStamp& stamp)
{
    document.set("КНД", QStringLiteral("1151020"));
    document.set("ДатаДок", ExportFormat::date(stamp.date));
    document.set("Период", QStringLiteral("34"));
    document.set("ОтчетГод",
                 declaration.TaxYear == 2013 ? QStringLiteral("2013") : QStringLiteral("2014"));
    document.set("КодНО", declaration.InspectionCode);
    document.setInt("НомКорр", declaration.CorrectionNumber);
}

void writeNdfl3Taxpayer(const ExportElement& document, const mTDeclaration& declaration)
{
    const mTPersonInformation& person = declaration.Person;
    const ExportElement taxpayer = document.add("СвНП").add("НПФЛ3");
    taxpayer.set("ОКТМО", person.OKTMO);
    if (!person.Phone.isEmpty())
        taxpayer.set("Тлф", person.Phone);
    taxpayer.set("ДокПредст", categoryCode(declaration.TaxpayerKind, false));
    taxpayer.set("Статус", declaration.DeclForm == DeclarationForm::NonResident
                               ? QStringLiteral("2")
                               : QStringLiteral("1"));
    taxpayer.setIfFilled("АдрИно", person.ForeignAddress);

    const ExportElement name = taxpayer.add("ФИОФЛ");
    name.set("Фамилия", person.Surname);
    name.set("Имя", person.FirstName);
    name.setIfFilled("Отчество", person.Patronymic);

    const ExportElement address = taxpayer.add("СвАдрРФ");
    address.set("ПрАдр", person.StayAddress ? QStringLiteral("2") : QStringLiteral("1"));
    writeAddress(address.add("АдрРФ"), person);

    writePersonalData(taxpayer, person);
}

void writeSigner(const ExportElement& document, const mTDeclaration& declaration)
{
    const ExportElement signer = document.add("Подписант");
    const bool representative = declaration.ConfirmKind != 0;
    signer.set("ПрПодп", representative ? QStringLiteral("2") : QStringLiteral("1"));
    if (!representative)
        return;
    const RepresentativeName parts = RepresentativeName::split(declaration.RepresentativeName);
    const ExportElement name = signer.add("ФИО");
    name.set("Фамилия", parts.surname);
    name.set("Имя", parts.firstName);
    if (!parts.patronymic.isEmpty())
        name.set("Отчество", parts.patronymic);
    const ExportElement authority = signer.add("СвПред");
    authority.set("НаимДок", declaration.RepresentativeDoc);
    authority.setIfFilled("НаимОрг", declaration.RepresentativeOrg);
}

} // namespace TaxpayerElements
