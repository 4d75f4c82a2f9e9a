#include "DeclarationBuilder.h"

#include "calc/SheetPrinter.h"
#include "calc/SvodSum.h"
#include "storage/DayCount.h"

namespace Build {

Money rub(const char* text)
{
    const auto value = Money::parse(QString::fromLatin1(text));
    Q_ASSERT(value);
    return *value;
}

mTThirteenPercent& source(RecordList<mTThirteenPercent>& list, const QString& oktmo,
                          const char* withheld, std::initializer_list<Line> lines)
{
    mTThirteenPercent& record = list.At(list.Add());
    record.SourceOKTMO = oktmo;
    record.SourceName = QStringLiteral("Источник ") + oktmo;
    record.SourceINN = QStringLiteral("7700000000");
    record.TaxWithheld = rub(withheld);
    for (const Line& line : lines) {
        mTSourseIncome income;
        income.IncomeCode = line.code;
        income.IncomeSum = rub(line.amount);
        income.DeductCode = line.deductCode;
        income.DeductSum = rub(line.deduction);
        income.IncomeMonth = line.month;
        record.AddIncome(income);
    }
    return record;
}

mTThirtyFivePercent& income35(mTDeclaration& declaration, qint32 code, const char* amount,
                              qint32 deductCode, const char* deduction, const QString& oktmo)
{
    mTThirtyFivePercent& record = declaration.Income35.At(declaration.Income35.Add());
    record.IncomeCode35 = code;
    record.TotalIncome = rub(amount);
    record.DeductCode35 = deductCode;
    record.DeductSum35 = rub(deduction);
    record.SourceOKTMO = oktmo;
    return record;
}

mTThirtyPercent& dividends(mTDeclaration& declaration, const QString& oktmo, const char* amount,
                           const char* taxable)
{
    mTThirtyPercent& record = declaration.Income30.At(declaration.Income30.Add());
    record.SourceOKTMO = oktmo;
    record.IncomeCode30 = mTThirtyPercent::kDividendsCode;
    record.TotalIncome = rub(amount);
    record.TaxableDividends = rub(taxable);
    return record;
}

mTCurrencyIncome& foreign(mTDeclaration& declaration, int rate, qint32 code, const char* income,
                          const char* taxPaid, qint32 deductCode, const char* deduction)
{
    declaration.SetIncomeKinds(declaration.IncomeKinds() | IncomeKind::Abroad);
    mTCurrencyIncome& record = declaration.CurrencyIncomes.At(declaration.CurrencyIncomes.Add());
    record.IncomeTaxRate = rate;
    record.CurIncomeCode = code;
    record.IncomeInRoubles = rub(income);
    record.TaxInRoubles = rub(taxPaid);
    record.CurDeductCode = deductCode;
    record.CurDeductSum = rub(deduction);
    return record;
}

void flatBought2013(mTConstructionDeduct& p)
{
    p.PropertyEnabled = 1;
    p.ObjectKind = 2;
    p.OwnershipKind = 1;
    p.OwnerSign = 1;
    p.ObjRegionCode = QStringLiteral("77");
    p.ObjCity = QStringLiteral("Москва");
    p.ObjFlat = QStringLiteral("12");
    p.RightRegDate = DayCount::fromDate(2013, 4, 15);
    p.StartYearDate = DayCount::fromDate(2013, 1, 1);
    p.ShareNumerator = 1;
    p.ShareDenominator = 1;
    p.ObjectCost = rub("3500000");
    p.InterestPaid = rub("120000");
}

mTDeclaration resident()
{
    mTDeclaration declaration;
    declaration.SetIncomeKinds(IncomeKind::Country);
    declaration.Person.OKTMO = QStringLiteral("45000000");
    return declaration;
}

mTDeclaration nonResident()
{
    mTDeclaration declaration = resident();
    declaration.DeclForm = DeclarationForm::NonResident;
    return declaration;
}

QMap<QString, QString> fields(const kTSvodSum& sum)
{
    QMap<QString, QString> map;
    const QList<QByteArray> lines = SheetPrinter::toLines(sum).split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype separator = line.indexOf(" = ");
        if (separator > 0)
            map.insert(QString::fromUtf8(line.left(separator)),
                       QString::fromUtf8(line.mid(separator + 3)));
    }
    return map;
}

} // namespace Build
