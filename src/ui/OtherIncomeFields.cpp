#include "OtherIncomeFields.h"

#include "Interaction.h"
#include "ListPicker.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

namespace {

// Digits, one decimal comma and limited digits on both sides of it.
class AmountValidator : public QValidator
{
public:
    AmountValidator(QObject* parent, int intDigits, int decimals)
        : QValidator(parent),
          m_pattern(QRegularExpression::anchoredPattern(
              decimals > 0 ? QStringLiteral("\\d{0,%1}(,\\d{0,%2})?").arg(intDigits).arg(decimals)
                           : QStringLiteral("\\d{0,%1}").arg(intDigits)))
    {}

    State validate(QString& input, int& /*pos*/) const override
    {
        input.replace(QLatin1Char('.'), QLatin1Char(','));
        return m_pattern.match(input).hasMatch() ? Acceptable : Invalid;
    }

private:
    QRegularExpression m_pattern;
};

// A code picker that falls back to its first row when the current code is not listed.
class CodePicker : public TfmListPicker
{
public:
    using TfmListPicker::TfmListPicker;

    void PreselectOrFirst(const QString& code)
    {
        if (!Preselect(code))
            selectRow(0);
    }
};

} // namespace

namespace OtherIncomeFields {

QLineEdit* amount(QWidget* parent, const QString& name, int intDigits, int decimals)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(intDigits + (decimals > 0 ? decimals + 1 : 0));
    edit->setValidator(new AmountValidator(edit, intDigits, decimals));
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

Money amountOf(const QLineEdit* edit)
{
    return Money::parse(edit->text().trimmed(), QLatin1Char(',')).value_or(Money());
}

bool isEmpty(const QLineEdit* edit)
{
    return edit->text().trimmed().isEmpty();
}

QString text(Money amount)
{
    return amount.toText(QLatin1Char(','));
}

QString textOrEmpty(Money amount)
{
    return amount.isZero() ? QString() : text(amount);
}

QString codeText(qint32 code)
{
    return code == 0 ? QString() : QString::number(code);
}

bool refuseWhenFull(QWidget* parent, Interaction& interaction, bool full)
{
    if (full)
        interaction.showInformation(parent,
                                    QStringLiteral("В списке может быть не более 999 записей"));
    return full;
}

std::optional<IncomeChoice> pickIncomeCode(QWidget* parent, Interaction& interaction,
                                           const IncomeCodeDirectory& directory, bool nonResident,
                                           const QString& current, const QString& rateFilter)
{
    QList<PickerRow> rows;
    QList<const IncomeCode*> listed;
    for (const IncomeCode& income : directory.incomes()) {
        if (!rateFilter.isEmpty() && QString::number(income.rate) != rateFilter)
            continue;
        if (nonResident && !income.nonResident13)
            continue;
        rows.append({income.code, income.name});
        listed.append(&income);
    }
    CodePicker picker(parent, QStringLiteral("Справочник видов доходов"),
                      QStringLiteral("Наименование дохода"), rows);
    picker.PreselectOrFirst(current);
    if (interaction.execDialog(picker) != QDialog::Accepted)
        return std::nullopt;
    for (const IncomeCode* income : listed) {
        if (income->code == picker.chosenCode()) {
            return IncomeChoice{income->code, income->name,
                                rateFilter.isEmpty() ? income->rate : rateFilter.toInt(),
                                !income->deductions.isEmpty(), income->saleDate};
        }
    }
    return std::nullopt;
}

std::optional<DeductionCode> pickDeductionCode(QWidget* parent, Interaction& interaction,
                                               const IncomeCodeDirectory& directory, bool all,
                                               const QString& current, const QString& incomeCode)
{
    const IncomeCode* income = directory.find(incomeCode);
    QList<PickerRow> rows;
    QList<const DeductionCode*> listed;
    if (income != nullptr) {
        for (const DeductionCode& deduction : income->deductions) {
            const bool offered = all || deduction.code.startsWith(QLatin1String("20")) ||
                                 deduction.code == QLatin1String("0") ||
                                 deduction.code.startsWith(QLatin1Char('5'));
            if (!offered)
                continue;
            rows.append({deduction.code, deduction.name});
            listed.append(&deduction);
        }
    }
    CodePicker picker(parent, QStringLiteral("Справочник видов вычетов"),
                      QStringLiteral("Виды вычетов"), rows);
    picker.PreselectOrFirst(current);
    if (interaction.execDialog(picker) != QDialog::Accepted)
        return std::nullopt;
    for (const DeductionCode* deduction : listed) {
        if (deduction->code == picker.chosenCode())
            return *deduction;
    }
    return std::nullopt;
}

} // namespace OtherIncomeFields
