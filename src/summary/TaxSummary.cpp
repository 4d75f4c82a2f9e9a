#include "summary/TaxSummary.h"

#include "calc/CalcError.h"
#include "calc/Exact.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"
#include "summary/SummarySections.h"

using namespace Exact;

namespace {

std::vector<SummaryPayment> paymentsOf(const kTSvodSumList6& section)
{
    std::vector<SummaryPayment> payments;
    // The lines the export writes.
    for (int i = 0; i < section.Count && size_t(i) < section.Items.size(); ++i) {
        const bmTList1& item = section.Items[size_t(i)];
        SummaryPayment payment;
        payment.kind = item.PayKind == QLatin1String("1")   ? SummaryPayment::Pay
                       : item.PayKind == QLatin1String("2") ? SummaryPayment::Refund
                                                            : SummaryPayment::NothingDue;
        payment.kbk = item.Kbk;
        payment.oktmo = item.Oktmo;
        payment.amount = item.Amount;
        payments.push_back(payment);
    }
    return payments;
}

IncomeBar13 bar13Of(const kTSvodSumList1& s)
{
    IncomeBar13 bar;
    bar.income = s.IncomeTotal;
    bar.exempt = CapAt(NotBelowZero(s.IncomeExempt), bar.income);
    bar.base = s.TaxBase;
    bar.deductions = NotBelowZero(Diff(bar.income, bar.exempt, bar.base));
    bar.taxComputed = s.TaxComputed;
    bar.taxPaid = Sum(s.TaxWithheld, s.AdvancePaid, s.FixedAdvancePaid, s.NoticePaid);
    bar.foreignCredit = s.ForeignCredit;
    bar.toPay = s.ToPay;
    bar.toRefund = s.ToRefund;
    return bar;
}

bool anyAmount(const std::vector<SummarySection>& sections)
{
    for (const SummarySection& section : sections) {
        for (const SummaryLine& line : section.lines) {
            if (!line.amount.isZero())
                return true;
        }
    }
    return false;
}

void summarize(TaxSummary& summary, mTDeclaration& declaration)
{
    EnteredAmounts entered;
    for (const Money amount : declaration.SocialDeduction.ChildEducationSums())
        Add(entered.childEducation, amount);
    kTSvodSum sum;
    sum.Calculate(declaration);

    summary.payments = paymentsOf(sum.List6);
    for (const SummaryPayment& payment : summary.payments) {
        if (payment.kind == SummaryPayment::Pay)
            Add(summary.toPay, payment.amount);
        else if (payment.kind == SummaryPayment::Refund)
            Add(summary.toRefund, payment.amount);
    }
    summary.sections = SummarySections(declaration, sum, entered);
    summary.hasBar13 = sum.List1.IncomeTotal > Money();
    if (summary.hasBar13)
        summary.bar13 = bar13Of(sum.List1);
    summary.hasData =
        !summary.toPay.isZero() || !summary.toRefund.isZero() || anyAmount(summary.sections);
}

TaxSummary faulted(const TaxSummary& from, const QString& detail)
{
    // Nothing computed before the fault is shown.
    TaxSummary summary;
    summary.nonResident = from.nonResident;
    summary.outcome = TaxSummary::Fault;
    summary.hasData = true;
    summary.faultMessage = kECalcFault::userMessage();
    summary.faultDetail = detail;
    return summary;
}

} // namespace

bool EntryPlaceHasSection(EntryPlace place)
{
    return place != EntryPlace::Computed && place != EntryPlace::Several &&
           place != EntryPlace::PrivatePractice && place != EntryPlace::TaxNotices;
}

QString TaxSummary::placeName(EntryPlace place) const
{
    const QString russian = QStringLiteral("Доходы, полученные в РФ: ");
    switch (place) {
    case EntryPlace::Computed:
        return {};
    case EntryPlace::Several:
        return QStringLiteral("несколько разделов");
    case EntryPlace::Conditions:
        return QStringLiteral("Задание условий");
    case EntryPlace::Taxpayer:
    case EntryPlace::TaxpayerAddress:
        return QStringLiteral("Сведения о декларанте");
    case EntryPlace::RussianIncome13:
        return russian + (nonResident ? QStringLiteral("30%") : QStringLiteral("13%"));
    case EntryPlace::Dividends:
        return russian + (nonResident ? QStringLiteral("15%") : QStringLiteral("9%"));
    case EntryPlace::RussianIncome35:
        return russian + QStringLiteral("35%");
    case EntryPlace::RussianIncome13NR:
        return russian + QStringLiteral("13% ВКС");
    case EntryPlace::ForeignIncome:
        return QStringLiteral("Доходы за пределами РФ");
    case EntryPlace::BusinessIncome:
        return QStringLiteral("Предприниматели");
    case EntryPlace::PrivatePractice:
        return QStringLiteral("Частная практика, из файла декларации");
    case EntryPlace::StandardDeductions:
        return QStringLiteral("Вычеты: стандартные");
    case EntryPlace::PropertyDeduction:
        return QStringLiteral("Вычеты: имущественный");
    case EntryPlace::SocialDeductions:
        return QStringLiteral("Вычеты: социальные");
    case EntryPlace::SecuritiesLosses:
        return QStringLiteral("Вычеты: убытки по ЦБ");
    case EntryPlace::TaxNotices:
        return QStringLiteral("Налоговые уведомления, из файла декларации");
    }
    return {};
}

TaxSummary SummarizeDeclaration(mTDeclaration declaration)
{
    TaxSummary summary;
    summary.nonResident = declaration.DeclForm == DeclarationForm::NonResident;
    if (declaration.DeclForm == DeclarationForm::EstimatedIncome) {
        summary.outcome = TaxSummary::NotComputed;
        summary.hasData = true;
        return summary;
    }
    try {
        summarize(summary, declaration);
    } catch (const kECalcFault& fault) {
        return faulted(summary, fault.detail());
    } catch (const std::exception& error) {
        return faulted(summary, QString::fromLocal8Bit(error.what()));
    }
    return summary;
}
