#include "check/EntryRules.h"

#include "check/FieldChecks.h"
#include "check/SectionCheckRun.h"
#include "directories/FixedTables.h"

namespace {

QString noIncomeCode()
{
    return QStringLiteral("Не выбран доход");
}

QString noIncomeAmount()
{
    return QStringLiteral("Не указана сумма дохода");
}

QString noDeductCode()
{
    return QStringLiteral("Не выбран вычет");
}

QString deductionOverIncome()
{
    return QStringLiteral("Сумма вычета превышает сумму дохода");
}

// Securities and derivatives: their expenses may exceed the income.
bool excessAllowed(const QString& incomeCode, const QString& deductCode)
{
    return FixedTables::IsSecuritiesIncome(incomeCode.toInt()) &&
           FixedTables::IsSecuritiesExpense(deductCode.toInt());
}

// An amount given beside an income that is missing or smaller.
bool aboveIncome(const TypedAmount& amount, const TypedAmount& income)
{
    return amount.given && (!income.given || amount.value > income.value);
}

quint16 run(CheckAnswerer& answerer, const QString& title, bool skipEnabled, bool skipAllEnabled,
            const RuleFailures& failures)
{
    SectionCheckRun check(answerer, title, skipEnabled, skipAllEnabled);
    check.failEach(failures);
    return check.result();
}

} // namespace

RuleFailures Income13EntryFailures(const Income13Entry& e)
{
    using namespace Income13EntryField;
    const bool hasCode = !e.incomeCode.isEmpty();
    RuleCollector rules;
    rules.fail(!hasCode, noIncomeCode(), IncomeCode);
    rules.fail(!e.income.given, noIncomeAmount(), hasCode ? IncomeAmount : IncomeCode, true);
    rules.fail(e.deductionExpected && e.deductCode.isEmpty(), noDeductCode(), DeductCode);
    if (e.amountEditable && e.deduction.given) {
        if (e.income.given)
            rules.fail(
                e.deduction.value > e.income.value && !excessAllowed(e.incomeCode, e.deductCode),
                deductionOverIncome(), e.deductCode.isEmpty() ? DeductCode : DeductAmount, true);
        else
            rules.fail(true, deductionOverIncome(), IncomeAmount, true);
    }
    return rules.take();
}

quint16 CheckIncome13Entry(CheckAnswerer& answerer, const QString& title,
                           const Income13Entry& entry)
{
    return run(answerer, title, true, false, Income13EntryFailures(entry));
}

RuleFailures Income35EntryFailures(const Income35Entry& e)
{
    using namespace Income35EntryField;
    const bool noIncome = !e.income.given;
    RuleCollector rules;
    rules.fail(!e.hasIncomeCode, noIncomeCode(), IncomeCode, true);
    rules.fail(noIncome, noIncomeAmount(), e.hasIncomeCode ? IncomeAmount : IncomeCode, true);
    rules.fail(e.deductionExpected && !e.hasDeductCode, noDeductCode(), DeductCode);
    rules.fail(e.amountEditable && aboveIncome(e.deduction, e.income), deductionOverIncome(),
               noIncome ? IncomeAmount : DeductAmount, true);
    rules.fail(e.amountEditable && aboveIncome(e.withheld, e.income),
               QStringLiteral("Удержанная сумма превышает сумму дохода"),
               noIncome ? IncomeAmount : Withheld);
    return rules.take();
}

quint16 CheckIncome35Entry(CheckAnswerer& answerer, const QString& title,
                           const Income35Entry& entry)
{
    return run(answerer, title, true, false, Income35EntryFailures(entry));
}

RuleFailures DividendEntryFailures(const DividendEntry& e)
{
    if ((e.taxable + e.withheld).isZero())
        return {};
    RuleCollector rules;
    rules.fail(aboveIncome(TypedAmount{true, e.withheld}, e.dividends),
               QStringLiteral("Сумма дивидендов меньше суммы удержанного налога"),
               e.dividends.given ? DividendEntryField::Withheld : DividendEntryField::Taxable);
    return rules.take();
}

quint16 CheckDividendEntry(CheckAnswerer& answerer, const QString& title,
                           const DividendEntry& entry)
{
    return run(answerer, title, true, true, DividendEntryFailures(entry));
}

RuleFailures PensionContractFailures(const PensionContractEntry& e)
{
    RuleCollector rules;
    rules.fail(e.contractNumber.isEmpty(), QStringLiteral("Введите номер договора"),
               PensionContractField::ContractNumber);
    rules.fail(e.contribution < e.agentDeduction,
               QStringLiteral("Сумма взносов меньше суммы предоставленного вычета"),
               PensionContractField::Contribution);
    return rules.take();
}

quint16 CheckPensionContract(CheckAnswerer& answerer, const QString& title,
                             const PensionContractEntry& entry)
{
    // The contract has no OKTMO: an eleven-character placeholder passes that rule.
    const quint16 source = CheckPaymentSourceStrict(
        answerer, title, entry.organisation, QStringLiteral("00000000000"), entry.kpp, entry.inn);
    if (source != SourceField::None)
        return source;
    return run(answerer, title, false, false, PensionContractFailures(entry));
}

RuleFailures ForeignSourceFailures(const QString& countryCode)
{
    RuleCollector rules;
    rules.fail(countryCode.trimmed().isEmpty(), QStringLiteral("Не выбран код страны"), 1);
    return rules.take();
}

quint16 CheckForeignSource(CheckAnswerer& answerer, const QString& title,
                           const QString& countryCode)
{
    return run(answerer, title, false, false, ForeignSourceFailures(countryCode));
}

RuleFailures ActivityCodeFailures(const QString& code, quint16 failCode)
{
    RuleCollector rules;
    rules.fail(code.size() < 4,
               QStringLiteral("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"),
               failCode);
    return rules.take();
}

quint16 CheckActivityCode(CheckAnswerer& answerer, const QString& title, const QString& code)
{
    return run(answerer, title, true, false, ActivityCodeFailures(code, 1));
}
