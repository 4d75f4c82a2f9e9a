#pragma once

#include "check/CheckAnswerer.h"
#include "check/SectionRules.h"
#include "model/Money.h"

#include <QString>

// The rules of the entry dialogs: what each dialog's own check says when the person confirms it.
// Each rule set comes twice: the failed rules in the order they are put (…Failures), and the run
// through one section error dialog titled "Проверка: " + title that returns 0 or the field code of
// the rule at which "Исправить" was chosen (Check…). The dialog shows the field of that code.

// An amount field of a dialog: whether anything is typed in it, and the amount (0 when nothing).
struct TypedAmount
{
    bool given = false;
    Money value;
};

// An income line at 13 % (resident, non-resident, highly qualified specialist).
struct Income13Entry
{
    QString incomeCode; // the chosen income code, empty when none
    QString deductCode; // the chosen deduction code, empty when none
    TypedAmount income;
    TypedAmount deduction;
    bool deductionExpected = false; // the income code takes deductions
    bool amountEditable = false;    // the chosen deduction's amount is typed
};

namespace Income13EntryField {
inline constexpr quint16 IncomeCode = 1;
inline constexpr quint16 IncomeAmount = 2;
inline constexpr quint16 DeductCode = 3;
inline constexpr quint16 DeductAmount = 4;
} // namespace Income13EntryField

RuleFailures Income13EntryFailures(const Income13Entry& entry);
// "Пропустить все" is disabled.
quint16 CheckIncome13Entry(CheckAnswerer& answerer, const QString& title,
                           const Income13Entry& entry);

// A source of income at 35 %: its own rules, after those of the source of payment.
struct Income35Entry
{
    bool hasIncomeCode = false;
    bool hasDeductCode = false;
    TypedAmount income;
    TypedAmount deduction;
    TypedAmount withheld;
    bool deductionExpected = false;
    bool amountEditable = false;
};

// The fields of the 35 % dialog after those of the source of payment (SourceField).
namespace Income35EntryField {
inline constexpr quint16 IncomeAmount = 5;
inline constexpr quint16 DeductCode = 6;
inline constexpr quint16 DeductAmount = 7;
inline constexpr quint16 Withheld = 8;
inline constexpr quint16 IncomeCode = 9;
} // namespace Income35EntryField

RuleFailures Income35EntryFailures(const Income35Entry& entry);
// "Пропустить все" is disabled.
quint16 CheckIncome35Entry(CheckAnswerer& answerer, const QString& title,
                           const Income35Entry& entry);

// A source of dividends: its own rule, after those of the source of payment.
struct DividendEntry
{
    TypedAmount dividends;
    Money taxable;
    Money withheld;
};

// The fields of the dividends dialog after those of the source of payment (SourceField).
namespace DividendEntryField {
inline constexpr quint16 Taxable = 5;
inline constexpr quint16 Withheld = 6;
} // namespace DividendEntryField

// Only when a taxable amount or a withheld tax is given: the dividends are given and cover the
// withheld tax.
RuleFailures DividendEntryFailures(const DividendEntry& entry);
// Every button of the error dialog is enabled.
quint16 CheckDividendEntry(CheckAnswerer& answerer, const QString& title,
                           const DividendEntry& entry);

// A contract of non-state pension provision or voluntary pension insurance.
struct PensionContractEntry
{
    QString organisation;
    QString inn;
    QString kpp;
    QString contractNumber;
    Money contribution;
    Money agentDeduction;
};

// The fields of the contract dialog after those of the organisation (SourceField; a contract has
// no OKTMO).
namespace PensionContractField {
inline constexpr quint16 ContractNumber = 4;
inline constexpr quint16 Contribution = 5;
} // namespace PensionContractField

// The contract's own rules.
RuleFailures PensionContractFailures(const PensionContractEntry& entry);
// The strict source-of-payment check of the organisation, then the contract's own rules; nothing
// may be skipped.
quint16 CheckPensionContract(CheckAnswerer& answerer, const QString& title,
                             const PensionContractEntry& entry);

// A source of income abroad: the code of its country is chosen (code 1).
RuleFailures ForeignSourceFailures(const QString& countryCode);
// Nothing may be skipped.
quint16 CheckForeignSource(CheckAnswerer& answerer, const QString& title,
                           const QString& countryCode);

// An activity code (ОКВЭД) has at least four characters with its dots; a failure carries
// failCode. The activity picker puts it when a code is chosen, the whole check for each
// entrepreneur's activity.
RuleFailures ActivityCodeFailures(const QString& code, quint16 failCode);
// The picker's run (code 1): "Пропустить все" is disabled, "Пропустить" takes the short code.
quint16 CheckActivityCode(CheckAnswerer& answerer, const QString& title, const QString& code);
