#include "check/IncomeRules.h"

#include "directories/FixedTables.h"
#include "model/Declaration.h"

#include <span>

namespace {

// A rule that tests one entry of a list.
template <class Entry> struct EntryRule
{
    bool (*fails)(const Entry&);
    const char16_t* message;
};

// Section order: for each entry, its first failing rule. Declaration order: for each rule, every
// entry that fails it.
template <class List, class Entry>
RuleFailures listFailures(const List& list, std::span<const EntryRule<Entry>> rules,
                          CheckScope scope)
{
    RuleFailures failures;
    const auto add = [&failures](const EntryRule<Entry>& rule, int index) {
        failures.append({QString::fromUtf16(rule.message), quint16(index + 1)});
    };
    if (scope == CheckScope::Section) {
        for (int index = 0; index < list.Count(); ++index) {
            for (const EntryRule<Entry>& rule : rules) {
                if (rule.fails(list.At(index))) {
                    add(rule, index);
                    break;
                }
            }
        }
        return failures;
    }
    for (const EntryRule<Entry>& rule : rules) {
        for (int index = 0; index < list.Count(); ++index) {
            if (rule.fails(list.At(index)))
                add(rule, index);
        }
    }
    return failures;
}

constexpr EntryRule<mTThirteenPercent> kIncome13Rules[] = {
    {[](const mTThirteenPercent& s) { return s.TotalIncome < s.TaxWithheld; },
     u"По данному источнику выплаты общая сумма дохода меньше удержанной суммы"},
    {[](const mTThirteenPercent& s) { return s.IncomeCount() == 0; },
     u"По данному источнику не указаны доходы"},
};

constexpr EntryRule<mTCurrencyIncome> kCurrencyRules[] = {
    {[](const mTCurrencyIncome& c) { return c.CurrencyCode.trimmed().isEmpty(); },
     u"По данному источнику выплаты не указан код валюты"},
    {[](const mTCurrencyIncome& c) { return c.IncomeExchangeRate.isZero() || c.IncomeUnits == 0; },
     u"По данному источнику выплаты не указан курс валюты"},
    {[](const mTCurrencyIncome& c) { return c.CurIncomeCode == 0; },
     u"По данному источнику выплаты не указан код дохода"},
    {[](const mTCurrencyIncome& c) { return c.IncomeInCurrency.isZero(); },
     u"По данному источнику выплаты не указана сумма дохода"},
    // Securities income carries its expenses in a deduction without an amount.
    {[](const mTCurrencyIncome& c) {
         return c.CurDeductCode != 0 && !FixedTables::IsSecuritiesIncome(c.CurIncomeCode) &&
                c.CurDeductSum.isZero();
     },
     u"По данному источнику выплаты не указана сумма вычета"},
};

} // namespace

RuleFailures Income13Failures(const mTDeclaration& d, CheckScope scope)
{
    std::span<const EntryRule<mTThirteenPercent>> rules(kIncome13Rules);
    if (scope == CheckScope::Section)
        rules = rules.first(1);
    return listFailures(d.Income13, rules, scope);
}

RuleFailures CurrencyFailures(const mTDeclaration& d, CheckScope scope)
{
    return listFailures(d.CurrencyIncomes,
                        std::span<const EntryRule<mTCurrencyIncome>>(kCurrencyRules), scope);
}
