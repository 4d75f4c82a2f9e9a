#include "check/DeclarationCheck.h"

#include "check/BusinessRules.h"
#include "check/ConditionsRules.h"
#include "check/DeductionRules.h"
#include "check/IncomeRules.h"
#include "check/TaxpayerRules.h"
#include "model/Declaration.h"

namespace {

const QString kTaxpayerTitle = QStringLiteral("Сведения о декларанте");
const QString kSocialTitle = QStringLiteral("Социальные вычеты");
const QString kStandardTitle = QStringLiteral("Стандартные вычеты");

// Runs the groups in order; the first failed rule asks the one question of the run and ends it.
class DeclarationChecker
{
public:
    DeclarationChecker(const mTDeclaration& declaration, CheckAnswerer& answerer, QChar separator)
        : d(declaration), m_answerer(answerer), m_separator(separator)
    {}

    CheckOutcome run() { return anyFails() ? m_outcome : CheckOutcome{}; }

private:
    // The groups in their order; a group of a kind of income runs only when the declaration has
    // that kind.
    bool anyFails()
    {
        constexpr auto scope = CheckScope::Declaration;
        const bool anyIncome = d.IncomeKinds() != 0;
        return ask(CheckGroup::Conditions, ConditionsFailures(d)) ||
               ask(CheckGroup::Taxpayer, TaxpayerNameFailures(d, scope)) ||
               ask(CheckGroup::Residence, ResidenceFailures(d, scope)) ||
               (d.HasIncomeKind(IncomeKind::Country) &&
                ask(CheckGroup::Income13, Income13Failures(d, scope))) ||
               (d.HasIncomeKind(IncomeKind::Abroad) &&
                ask(CheckGroup::Currency, CurrencyFailures(d, scope))) ||
               (d.HasIncomeKind(IncomeKind::Business) &&
                ask(CheckGroup::Business, BusinessFailures(d, scope, m_separator))) ||
               (d.HasIncomeKind(IncomeKind::Practice) &&
                ask(CheckGroup::Practice, PracticeFailures(d, m_separator))) ||
               (anyIncome && ask(CheckGroup::Deductions, kSocialTitle, SocialFailures(d))) ||
               (anyIncome && ask(CheckGroup::Deductions, kStandardTitle, StandardFailures(d))) ||
               (anyIncome && ask(CheckGroup::Property, PropertyFailures(d, scope))) ||
               ask(CheckGroup::Residence, ResidenceOktmoFailures(d));
    }

    // Asks about the first failed rule of a group, if any; returns whether one failed, which ends
    // the run.
    bool ask(quint16 group, const QString& title, const RuleFailures& failures)
    {
        if (failures.isEmpty())
            return false;
        const RuleFailure& first = failures.first();
        const DeclarationAnswer answer = m_answerer.askDeclaration({title, first.message});
        m_outcome = {group, answer == DeclarationAnswer::Fix ? qint16(first.code)
                                                             : CheckOutcome::Cancelled};
        return true;
    }
    bool ask(quint16 group, const RuleFailures& failures)
    {
        return ask(group, CheckGroupTitle(group), failures);
    }

    const mTDeclaration& d;
    CheckAnswerer& m_answerer;
    QChar m_separator;
    CheckOutcome m_outcome;
};

} // namespace

QString CheckGroupTitle(quint16 group)
{
    switch (group) {
    case CheckGroup::Conditions:
        return QStringLiteral("Задание условий");
    case CheckGroup::Taxpayer:
    case CheckGroup::Residence:
        return kTaxpayerTitle;
    case CheckGroup::Income13:
        return QStringLiteral("Доходы, облагаемые ставкой 13%");
    case CheckGroup::Currency:
        return QStringLiteral("Доходы в валюте");
    case CheckGroup::Business:
        return QStringLiteral("Доходы от предпринимательской деятельности");
    case CheckGroup::Practice:
        return QStringLiteral("Доходы от частной практики");
    case CheckGroup::Deductions:
        return kSocialTitle;
    case CheckGroup::Property:
        return QStringLiteral("Имущественный налоговый вычет");
    default:
        return QString();
    }
}

CheckOutcome CheckDeclaration(const mTDeclaration& declaration, CheckAnswerer& answerer,
                              QChar decimalSeparator)
{
    return DeclarationChecker(declaration, answerer, decimalSeparator).run();
}
