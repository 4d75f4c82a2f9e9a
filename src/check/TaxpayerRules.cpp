#include "check/TaxpayerRules.h"

#include "check/FieldChecks.h"
#include "directories/FixedTables.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"

namespace {

bool earlier(double a, double b)
{
    const QDate first = DayCount::toDate(a);
    const QDate second = DayCount::toDate(b);
    if (first.isValid() && second.isValid())
        return first < second;
    return a < b;
}

// Whether a document was issued before its holder was fourteen; 29 February counts as
// 28 February. Unknown dates are never too early.
bool issuedBeforeFourteen(double issueDate, double birthDate)
{
    const QDate birth = DayCount::toDate(birthDate);
    const QDate issued = DayCount::toDate(issueDate);
    if (!birth.isValid() || !issued.isValid())
        return false;
    const int day = birth.month() == 2 && birth.day() == 29 ? 28 : birth.day();
    const QDate fourteen(birth.year() + 14, birth.month(), day);
    return fourteen.isValid() && fourteen > issued;
}

} // namespace

RuleFailures TaxpayerNameFailures(const mTDeclaration& d, CheckScope scope)
{
    const mTPersonInformation& p = d.Person;
    const bool estimated = d.DeclForm == DeclarationForm::EstimatedIncome;
    const int inn = CheckINN(p.INN, InnKind::Person);
    const bool innValid = inn == InnCheck::Valid;
    const bool hasDocument = p.DocKind != FixedTables::DocumentKind::None;
    const bool issuedBeforeBirth = earlier(p.DocIssueDate, p.BirthDate);

    RuleCollector rules;
    rules.fail(p.Surname.isEmpty(), QStringLiteral("Не введена фамилия"), TaxpayerField::Surname);
    rules.fail(p.FirstName.isEmpty(), QStringLiteral("Не введено имя"), TaxpayerField::FirstName);
    rules.fail(inn == InnCheck::BadLengthPerson,
               QStringLiteral("Длинна ИНН должна быть равна 12 цифрам"), TaxpayerField::Inn);
    rules.fail(inn == InnCheck::WrongControlDigits, QStringLiteral("Номер ИНН введен неверно"),
               TaxpayerField::Inn);
    if (scope == CheckScope::Section)
        rules.fail(inn == InnCheck::Empty, QStringLiteral("Не указан ИНН"), TaxpayerField::Inn);
    else
        rules.fail(inn == InnCheck::Empty &&
                       (d.HasIncomeKind(IncomeKind::Business) ||
                        d.TaxpayerKind == TaxpayerCategory::Entrepreneur || estimated),
                   estimated ? QStringLiteral("Не указан ИНН")
                             : QStringLiteral("Лицам имеющим доходы от предпринимательской "
                                              "деятельности необходимо ввести ИНН"),
                   TaxpayerField::Inn);
    rules.fail(!innValid && p.BirthPlace.trimmed().isEmpty(),
               QStringLiteral("Не указано место рождения"), TaxpayerField::BirthPlace);
    rules.fail(!innValid && !hasDocument,
               QStringLiteral("Не указан документ, удостоверяющий личность"),
               TaxpayerField::DocumentKind);
    rules.fail(hasDocument && p.DocNumber.isEmpty(),
               QStringLiteral("Не указаны серия и номер документа, удостоверяющего личность"),
               TaxpayerField::DocumentNumber);
    rules.fail(hasDocument && issuedBeforeBirth,
               QStringLiteral("Дата выдачи документа не может быть меньше даты рождения"),
               TaxpayerField::IssueDate);
    rules.fail(FixedTables::IssuedFromFourteen(p.DocKind) && !issuedBeforeBirth &&
                   issuedBeforeFourteen(p.DocIssueDate, p.BirthDate),
               QStringLiteral("Дата выдачи документа должна быть больше даты рождения как "
                              "минимум на 14 лет"),
               TaxpayerField::IssueDate);
    rules.fail(hasDocument && p.DocIssuer.isEmpty(),
               QStringLiteral("Не указано, кем выдан документ, удостоверяющий личность"),
               TaxpayerField::Issuer);
    rules.fail(estimated && !OktmoLengthValid(p.OKTMO),
               scope == CheckScope::Section
                   ? QStringLiteral("Не введен код ОКТМО(8 или 11 символов)")
                   : QStringLiteral("Не введен код ОКТМО(8 или 11 симв.)"),
               TaxpayerField::Oktmo);
    return rules.take();
}

RuleFailures ResidenceFailures(const mTDeclaration& d, CheckScope scope)
{
    const bool estimated = d.DeclForm == DeclarationForm::EstimatedIncome;
    if (estimated && scope == CheckScope::Declaration)
        return {};
    const mTPersonInformation& p = d.Person;
    RuleCollector rules;
    rules.fail(p.RegionCode == 0, QStringLiteral("Не указан регион постоянного местожительства"),
               ResidenceField::Region);
    rules.fail(p.Locality.isEmpty() && p.Street.isEmpty(),
               QStringLiteral("Не указан населенный пункт (село, поселок) или улица (проспект, "
                              "переулок)"),
               ResidenceField::Locality);
    if (scope == CheckScope::Section)
        rules.fail(!estimated && !OktmoLengthValid(p.OKTMO),
                   QStringLiteral("Не введен код ОКТМО(8 или 11 символов)"), ResidenceField::Oktmo);
    return rules.take();
}

RuleFailures ResidenceOktmoFailures(const mTDeclaration& d)
{
    RuleCollector rules;
    rules.fail(d.DeclForm != DeclarationForm::EstimatedIncome && !OktmoLengthValid(d.Person.OKTMO),
               QStringLiteral("Не введен код ОКТМО(8 или 11 симв.) по месту жительства"),
               ResidenceField::Oktmo);
    return rules.take();
}
