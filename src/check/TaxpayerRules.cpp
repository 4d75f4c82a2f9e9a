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
    rules.fail(p.Surname.isEmpty(), QStringLiteral("Не введена фамилия"), 1);
    rules.fail(p.FirstName.isEmpty(), QStringLiteral("Не введено имя"), 2);
    rules.fail(inn == InnCheck::BadLengthPerson,
               QStringLiteral("Длинна ИНН должна быть равна 12 цифрам"), 4);
    rules.fail(inn == InnCheck::WrongControlDigits, QStringLiteral("Номер ИНН введен неверно"), 4);
    if (scope == CheckScope::Section)
        rules.fail(inn == InnCheck::Empty, QStringLiteral("Не указан ИНН"), 4);
    else
        rules.fail(inn == InnCheck::Empty &&
                       (d.HasIncomeKind(IncomeKind::Business) || d.TaxpayerKind == 0 || estimated),
                   estimated ? QStringLiteral("Не указан ИНН")
                             : QStringLiteral("Лицам имеющим доходы от предпринимательской "
                                              "деятельности необходимо ввести ИНН"),
                   4);
    rules.fail(!innValid && p.BirthPlace.trimmed().isEmpty(),
               QStringLiteral("Не указано место рождения"), 9);
    rules.fail(!innValid && !hasDocument,
               QStringLiteral("Не указан документ, удостоверяющий личность"), 5);
    rules.fail(hasDocument && p.DocNumber.isEmpty(),
               QStringLiteral("Не указаны серия и номер документа, удостоверяющего личность"), 6);
    rules.fail(hasDocument && issuedBeforeBirth,
               QStringLiteral("Дата выдачи документа не может быть меньше даты рождения"), 7);
    rules.fail(FixedTables::IssuedFromFourteen(p.DocKind) && !issuedBeforeBirth &&
                   issuedBeforeFourteen(p.DocIssueDate, p.BirthDate),
               QStringLiteral("Дата выдачи документа должна быть больше даты рождения как "
                              "минимум на 14 лет"),
               7);
    rules.fail(hasDocument && p.DocIssuer.isEmpty(),
               QStringLiteral("Не указано, кем выдан документ, удостоверяющий личность"), 8);
    rules.fail(estimated && !OktmoLengthValid(p.OKTMO),
               scope == CheckScope::Section
                   ? QStringLiteral("Не введен код ОКТМО(8 или 11 символов)")
                   : QStringLiteral("Не введен код ОКТМО(8 или 11 симв.)"),
               10);
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
               2);
    rules.fail(p.Locality.isEmpty() && p.Street.isEmpty(),
               QStringLiteral("Не указан населенный пункт (село, поселок) или улица (проспект, "
                              "переулок)"),
               5);
    if (scope == CheckScope::Section)
        rules.fail(!estimated && !OktmoLengthValid(p.OKTMO),
                   QStringLiteral("Не введен код ОКТМО(8 или 11 символов)"), 4);
    return rules.take();
}

RuleFailures ResidenceOktmoFailures(const mTDeclaration& d)
{
    RuleCollector rules;
    rules.fail(d.DeclForm != DeclarationForm::EstimatedIncome && !OktmoLengthValid(d.Person.OKTMO),
               QStringLiteral("Не введен код ОКТМО(8 или 11 симв.) по месту жительства"), 4);
    return rules.take();
}
