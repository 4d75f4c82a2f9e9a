#include "check/BusinessRules.h"

#include "check/AmountSum.h"
#include "check/EntryRules.h"
#include "model/Declaration.h"

namespace {

// Builds the messages that set two amounts side by side: "<before><first><between><second>)".
// The second may be an exact sum beyond the range of an amount.
class AmountMessages
{
public:
    explicit AmountMessages(QChar separator) : m_separator(separator) {}

    QString twoAmounts(const QString& before, Money first, const QString& between,
                       const AmountSum& second) const
    {
        return before + first.toText(m_separator) + between + second.toText(m_separator) +
               QStringLiteral(")");
    }
    // Business and practice alike: labour contracts cost more than labour in total.
    QString contractsOverLabour(Money contracts, Money labour) const
    {
        return twoAmounts(QStringLiteral("Расходы по оплате трудовых договоров("), contracts,
                          QStringLiteral(") превышают сумму расходов на оплату труда ("), labour);
    }

private:
    QChar m_separator;
};

} // namespace

RuleFailures BusinessFailures(const mTDeclaration& d, CheckScope scope, QChar separator)
{
    const AmountMessages messages(separator);
    const bool section = scope == CheckScope::Section;
    RuleCollector rules;
    quint16 position = 0;
    for (const mTBusinessNew& b : d.Businesses) {
        ++position;
        const bool documented = b.HasDocumentedExpenses != 0;
        rules.fail(b.HasDocumentedExpenses != d.Businesses.At(0).HasDocumentedExpenses,
                   QStringLiteral("Нельзя одновременно пользоваться и подтвержденными расходами и "
                                  "нормативом 20%."),
                   position);
        if (!section && b.ActivityKind == QLatin1String("1"))
            rules.add(ActivityCodeFailures(b.ActivityName.trimmed(), position));
        if (!documented)
            continue;
        rules.fail(b.LabourCosts < b.LabourContracts,
                   messages.contractsOverLabour(b.LabourContracts, b.LabourCosts), position);
        const AmountSum parts =
            AmountSum(b.MaterialExpenses) + b.Depreciation + b.LabourCosts + b.OtherExpenses;
        if (section) {
            rules.fail(parts != b.ExpensesTotal,
                       messages.twoAmounts(QStringLiteral("Общие расходы ("), b.ExpensesTotal,
                                           QStringLiteral(") не совпадают с суммой расходов "
                                                          "материальных, на оплату труда, прочих "
                                                          "и амортизационных отчислений ("),
                                           parts),
                       position);
            continue;
        }
        const AmountSum details = SumOf(b.ExpenseDetails.begin(), b.ExpenseDetails.end());
        rules.fail(details > b.OtherExpenses,
                   messages.twoAmounts(QStringLiteral("Сумма прочих расходов ("), b.OtherExpenses,
                                       QStringLiteral(") меньше суммы ее составляющих ("), details),
                   position);
        rules.fail(parts > b.ExpensesTotal,
                   messages.twoAmounts(QStringLiteral("Общие расходы ("), b.ExpensesTotal,
                                       QStringLiteral(") меньше суммы расходов материальных, на "
                                                      "оплату труда, прочих и амортизационных "
                                                      "отчислений ("),
                                       parts),
                   position);
    }
    return rules.take();
}

RuleFailures PracticeFailures(const mTDeclaration& d, QChar separator)
{
    const AmountMessages messages(separator);
    RuleCollector rules;
    quint16 position = 0;
    for (const mTRepetitNew& r : d.PracticeIncomes) {
        ++position;
        const auto& x = r.PracticeDetails;
        const Money material = x[mTRepetitNew::MaterialExpenses];
        const Money labour = x[mTRepetitNew::Labour];
        const Money contracts = x[mTRepetitNew::LabourContracts];
        const Money other = x[mTRepetitNew::OtherExpenses];
        rules.fail(labour < contracts, messages.contractsOverLabour(contracts, labour), position);
        const AmountSum energyAndProperty =
            AmountSum(x[mTRepetitNew::EnergyExpenses]) + x[mTRepetitNew::NonAmortizableProperty];
        rules.fail(energyAndProperty > material,
                   messages.twoAmounts(QStringLiteral("Сумма материальных расходов меньше ("),
                                       material,
                                       QStringLiteral(") суммы расходов на энергию и "
                                                      "неамортизируемое имущество("),
                                       energyAndProperty),
                   position);
        const AmountSum components = SumOf(x.begin() + mTRepetitNew::FirstOtherComponent, x.end());
        rules.fail(components > other,
                   messages.twoAmounts(QStringLiteral("Сумма прочих расходов ("), other,
                                       QStringLiteral(") не совпадает с суммой ее составляющих ("),
                                       components),
                   position);
        const AmountSum parts =
            AmountSum(material) + x[mTRepetitNew::Amortization] + labour + other;
        rules.fail(parts > r.PracticeExpenses,
                   messages.twoAmounts(QStringLiteral("Общие расходы ("), r.PracticeExpenses,
                                       QStringLiteral(") не совпадают с суммой расходов "
                                                      "материальных, на оплату труда, прочих и "
                                                      "амортизационных отчислений ("),
                                       parts),
                   position);
    }
    return rules.take();
}
