// The per-rate sections and Section 1 with its pay and refund lines.

#include "calc/Exact.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"

#include <algorithm>
#include <initializer_list>

using namespace Exact;

namespace {

// Payments on tax notices under any of the codes, matched exactly.
Money noticePaid(const mTDeclaration& declaration, std::initializer_list<QString> codes)
{
    Money total;
    for (const mTNalog& notice : declaration.NoticePayments) {
        for (const QString& code : codes) {
            if (notice.NoticeKBK == code) {
                Add(total, notice.NoticeSum);
                break;
            }
        }
    }
    return total;
}

// Refund when less is due than was paid, else the rest to pay.
void settle(SectionTotals& section, Money paid)
{
    if (section.TaxComputed < paid)
        section.ToRefund = Diff(paid, section.TaxComputed);
    else if (section.TaxComputed > paid)
        section.ToPay = Diff(section.TaxComputed, paid);
}

// As settle, but a tax paid abroad lowers what is left to pay; it never makes a refund.
void settleWithCredit(SectionTotals& section, Money paid, Money credit)
{
    if (section.TaxComputed < paid)
        section.ToRefund = Diff(paid, section.TaxComputed);
    else if (section.TaxComputed > Sum(paid, credit))
        section.ToPay = Diff(section.TaxComputed, paid, credit);
}

// The budget code of a nothing-due line: entrepreneurs, heads of farms, notaries and lawyers
// have their own.
const QString& categoryKbk(const mTDeclaration& declaration)
{
    return declaration.TaxpayerKind <= TaxpayerCategory::Lawyer ? Kbk::Business : Kbk::Pay;
}

} // namespace

bool kTSvodSumList1::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    if (declaration.DeclForm == DeclarationForm::Resident) {
        IncomeTotal = Sum(sum.PrilA13.IncomeTotal, sum.PrilV1.Income, sum.PrilV2.Income,
                          sum.PrilB13.IncomeRub);
        IncomeExempt = sum.PrilM.ExemptTotal;
        IncomeTaxable = Diff(IncomeTotal, IncomeExempt);
        DeductionTotal =
            Sum(sum.PrilE1.DeductionTotal, sum.PrilE2.SocialTotal, sum.PrilE3.AgentGrantedTotal,
                sum.PrilH1.DeductionTotal, sum.PrilZ.DeductionNow, sum.PrilZ.InterestNow,
                sum.PrilZ.AgentInterestGranted, sum.PrilZ.AgentGranted, sum.PrilJ.ExpenseAll,
                sum.PrilV1.Expenses, sum.PrilV2.Expenses, sum.PrilG.ExpenseTotal,
                sum.PrilG_In.ExpenseTotal);
        AdvancePaid = Sum(sum.PrilV1.AdvancePaid, sum.PrilV2.AdvancePaid);
        ForeignCredit = sum.PrilB13.TaxCredited;
    } else {
        IncomeTotal = sum.PrilA13.IncomeTotal;
        IncomeTaxable = IncomeTotal;
        DeductionTotal =
            Sum(sum.PrilH1.DeductionTotal, sum.PrilG.ExpenseTotal, sum.PrilG_In.ExpenseTotal);
    }
    TaxBase = NotBelowZero(Diff(IncomeTaxable, DeductionTotal));
    TaxComputed = TaxAt(TaxBase, 13);
    TaxWithheld = sum.PrilA13.TaxWithheld;
    FixedAdvancePaid = sum.PrilA13.FixedAdvancePaid;
    NoticePaid = noticePaid(declaration, {Kbk::Notice13b, Kbk::Notice13a});

    // The foreign tax credit lowers the amount to pay but never makes a refund.
    const Money paid = Sum(TaxWithheld, AdvancePaid, FixedAdvancePaid, NoticePaid);
    if (TaxComputed < paid)
        ToRefund = Diff(paid, TaxComputed);
    else if (TaxComputed > paid)
        ToPay = NotBelowZero(Diff(TaxComputed, paid, ForeignCredit));
    return true;
}

bool kTSvodSumList2::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    if (declaration.DeclForm == DeclarationForm::NonResident) {
        IncomeTotal = sum.PrilA30.IncomeTotal;
        IncomeExempt = Sum(sum.PrilM.ExemptTotal, sum.PrilM2.ExemptTotal);
        IncomeTaxable = Diff(IncomeTotal, IncomeExempt);
        ExpenseTotal = sum.PrilJ.ExpenseAll;
        TaxBase = NotBelowZero(Diff(IncomeTaxable, ExpenseTotal));
        TaxComputed = TaxAt(TaxBase, 30);
        TaxWithheld = sum.PrilA30.TaxWithheld;
    }
    NoticePaid = noticePaid(declaration, {Kbk::Pay});
    settle(*this, Sum(TaxWithheld, NoticePaid));
    return true;
}

bool kTSvodSumList3::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    if (declaration.DeclForm != DeclarationForm::Resident)
        return true;
    IncomeTotal = Sum(sum.PrilA35.IncomeTotal, sum.PrilB35.IncomeRub);
    IncomeExempt = sum.PrilM2.ExemptTotal;
    TaxBase = NotBelowZero(Diff(IncomeTotal, IncomeExempt));
    TaxComputed = TaxAt(TaxBase, 35);
    TaxWithheld = sum.PrilA35.TaxWithheld;
    TaxWithheldExcess = sum.PrilM3.WithheldTotal;
    NoticePaid = noticePaid(declaration, {Kbk::Notice35});
    ForeignCredit = sum.PrilB35.TaxCredited;
    settleWithCredit(*this, Sum(TaxWithheld, NoticePaid, TaxWithheldExcess), ForeignCredit);
    return true;
}

bool kTSvodSumList4::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    if (declaration.DeclForm != DeclarationForm::Resident)
        return true;
    IncomeTotal = Sum(sum.PrilA6.IncomeTotal, sum.PrilB9.IncomeRub);
    TaxBase = Sum(sum.PrilA6.IncomeTaxable, sum.PrilB9.IncomeRub);
    // The taxes of the sources and lines, already rounded one by one.
    TaxComputed = Sum(sum.PrilA6.TaxComputed, sum.PrilB9.TaxComputedRF);
    TaxWithheld = sum.PrilA6.TaxWithheld;
    NoticePaid = noticePaid(declaration, {Kbk::Notice9, Kbk::Refund});
    ForeignCredit = sum.PrilB9.TaxCredited;
    settleWithCredit(*this, Sum(TaxWithheld, NoticePaid), ForeignCredit);
    return true;
}

bool kTSvodSumList5::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    if (declaration.DeclForm != DeclarationForm::NonResident)
        return true;
    IncomeTotal = sum.PrilA15.IncomeTotal;
    TaxBase = sum.PrilA15.IncomeTaxable;
    // Computed again from the total, not from the taxes of the sources.
    TaxComputed = TaxAt(TaxBase, 15);
    TaxWithheld = sum.PrilA15.TaxWithheld;
    NoticePaid = noticePaid(declaration, {Kbk::Notice15});
    settle(*this, Sum(TaxWithheld, NoticePaid));
    return true;
}

void kTSvodSumList6::Append(const QString& kbk, const QString& oktmo, const QString& payKind,
                            Money amount)
{
    Items.push_back(bmTList1{kbk, oktmo, payKind, amount});
    Count = qint32(Items.size());
}

void kTSvodSumList6::AppendRefundSection2(const mTDeclaration& declaration, Money refund)
{
    const QString& taxpayerOktmo = declaration.Person.OKTMO;
    const QString refundKind = QStringLiteral("2");
    Money rest = refund;
    // First the advance payments of the business.
    if (declaration.HasIncomeKind(IncomeKind::Business) && declaration.Businesses.Count() > 0 &&
        declaration.ActualAdvance > Money()) {
        const Money part = Smaller(declaration.ActualAdvance, rest);
        Append(Kbk::Business, taxpayerOktmo, refundKind, part);
        rest = Diff(rest, part);
    }
    // Then the tax withheld by each source, one line per OKTMO.
    const auto& sources = declaration.DeclForm == DeclarationForm::NonResident
                              ? declaration.Income13NR
                              : declaration.Income13;
    for (const mTThirteenPercent& source : sources) {
        if (rest <= Money())
            break;
        if (source.TaxWithheld <= Money())
            continue;
        const Money part = Smaller(source.TaxWithheld, rest);
        auto line = std::find_if(Items.begin(), Items.end(), [&](const bmTList1& item) {
            return item.Kbk == Kbk::Refund && item.Oktmo == source.SourceOKTMO;
        });
        if (line != Items.end())
            Add(line->Amount, part);
        else
            Append(Kbk::Refund, source.SourceOKTMO, refundKind, part);
        rest = Diff(rest, part);
    }
    if (rest > Money())
        Append(Kbk::Refund, taxpayerOktmo, refundKind, rest);
}

void kTSvodSumList6::AppendPaySection2(const mTDeclaration& declaration, const kTSvodSum& sum,
                                       Money toPay)
{
    const QString& taxpayerOktmo = declaration.Person.OKTMO;
    const QString payKind = QStringLiteral("1");
    Money rest = toPay;
    // The tax of the business, less its advance payments, goes under the business code.
    if (declaration.HasIncomeKind(IncomeKind::Business) ||
        declaration.HasIncomeKind(IncomeKind::Practice)) {
        const Money due =
            Diff(TaxAt(Diff(sum.PrilV1.Income, sum.PrilV1.Expenses), 13), sum.PrilV1.AdvancePaid);
        if (due > Money()) {
            const Money part = Smaller(due, rest);
            Append(Kbk::Business, taxpayerOktmo, payKind, part);
            rest = Diff(rest, part);
        }
    }
    if (rest > Money())
        Append(Kbk::Pay, taxpayerOktmo, payKind, rest);
}

bool kTSvodSumList6::Calculate(const mTDeclaration& declaration, kTSvodSum& sum)
{
    const QString& taxpayerOktmo = declaration.Person.OKTMO;
    const QString nothingDue = QStringLiteral("3");

    const kTSvodSumList1& section2 = sum.List1;
    if (!section2.ToRefund.isZero() || !section2.ToPay.isZero()) {
        if (!section2.ToRefund.isZero())
            AppendRefundSection2(declaration, section2.ToRefund);
        if (!section2.ToPay.isZero())
            AppendPaySection2(declaration, sum, section2.ToPay);
    } else if (!section2.IncomeTotal.isZero()) {
        Append(categoryKbk(declaration), taxpayerOktmo, nothingDue, Money());
    }

    struct Section
    {
        Money toRefund;
        Money toPay;
        Money incomeTotal;
        const QString& oktmo;
    };
    const Section sections[] = {
        {sum.List3.ToRefund, sum.List3.ToPay, sum.List3.IncomeTotal, sum.Oktmo35},
        {sum.List2.ToRefund, sum.List2.ToPay, sum.List2.IncomeTotal, sum.Oktmo13},
        {sum.List4.ToRefund, sum.List4.ToPay, sum.List4.IncomeTotal, sum.Oktmo9},
        {sum.List5.ToRefund, sum.List5.ToPay, sum.List5.IncomeTotal, sum.Oktmo15},
    };
    for (const Section& section : sections) {
        if (!section.toRefund.isZero())
            Append(Kbk::Refund, section.oktmo, QStringLiteral("2"), section.toRefund);
        if (!section.toPay.isZero())
            Append(Kbk::Pay, taxpayerOktmo, QStringLiteral("1"), section.toPay);
        if (section.toRefund.isZero() && section.toPay.isZero() && !section.incomeTotal.isZero())
            Append(Kbk::Pay, taxpayerOktmo, nothingDue, Money());
    }

    if (Items.empty())
        Append(categoryKbk(declaration), taxpayerOktmo, nothingDue, Money());
    return true;
}
