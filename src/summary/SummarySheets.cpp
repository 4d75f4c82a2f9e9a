#include "summary/SummarySheets.h"

#include "calc/Exact.h"
#include "calc/Limits.h"
#include "calc/SvodSum.h"
#include "model/Declaration.h"
#include "summary/SummaryText.h"

using namespace Exact;

namespace SummarySheets {

namespace {

QString claimed(Money amount)
{
    return QStringLiteral("заявлено ") + SummaryText::roubles(amount);
}

QString months(qint64 count)
{
    return QStringLiteral("за %1 мес.").arg(count);
}

// The number of months a monthly amount was granted for.
qint64 monthsOf(Money total, Money monthly)
{
    return total.units() / monthly.units();
}

// "не более 120 000 руб."
QString notAbove(Money cap)
{
    return QStringLiteral("не более ") + SummaryText::roubles(cap);
}

SummaryLine standardDeductions(const kTSvodSumPrilE1& e1)
{
    SummaryLine total = line(QStringLiteral("Стандартные вычеты"), e1.DeductionTotal,
                             EntryPlace::StandardDeductions);
    const auto personal = [&](Money amount, Money monthly) {
        SummaryLine part = line(QStringLiteral("На себя, ") + SummaryText::roubles(monthly) +
                                    QStringLiteral(" в месяц"),
                                amount, EntryPlace::StandardDeductions);
        part.note = months(monthsOf(amount, monthly));
        addPart(total, std::move(part));
    };
    personal(e1.Deduction3000, Limits::Personal3000);
    personal(e1.Deduction500, Limits::Personal500);
    const QString childMonths = QStringLiteral("%1 мес. с доходом ").arg(e1.MonthsUnder280000) +
                                notAbove(Limits::ChildrenIncomeThreshold);
    const std::pair<QString, Money> children[] = {
        {QStringLiteral("На детей"), e1.ChildSingle},
        {QStringLiteral("На детей в двойном размере"), e1.ChildDouble},
        {QStringLiteral("На детей-инвалидов"), e1.DisabledChildSingle},
        {QStringLiteral("На детей-инвалидов в двойном размере"), e1.DisabledChildDouble}};
    for (const auto& [caption, amount] : children) {
        SummaryLine part = line(caption, amount, EntryPlace::StandardDeductions);
        part.note = childMonths;
        addPart(total, std::move(part));
    }
    const Money granted = Sum(e1.Deduction3000, e1.Deduction500, e1.Deduction400, e1.ChildSingle,
                              e1.ChildDouble, e1.DisabledChildSingle, e1.DisabledChildDouble);
    if (e1.DeductionTotal < granted)
        total.note =
            QStringLiteral("не более дохода за год; по месяцам ") + SummaryText::roubles(granted);
    return total;
}

SummaryLine socialDeductions(const mTDeclaration& declaration, const kTSvodSum& sum,
                             const EnteredAmounts& entered)
{
    const kTSvodSumPrilE2& e2 = sum.PrilE2;
    const EntryPlace place = EntryPlace::SocialDeductions;
    SummaryLine total = line(QStringLiteral("Социальные вычеты"), e2.SocialTotal, place);

    SummaryLine charity = line(QStringLiteral("Благотворительность"), e2.Charity, place);
    if (declaration.SocialDeduction.CharitySum > e2.Charity)
        charity.note = claimed(declaration.SocialDeduction.CharitySum) +
                       QStringLiteral("; не более 25 % дохода");
    addPart(total, std::move(charity));

    SummaryLine children = line(QStringLiteral("Обучение детей"), e2.ChildEducation, place);
    if (entered.childEducation > e2.ChildEducation)
        children.note = claimed(entered.childEducation) + QStringLiteral("; ") +
                        notAbove(Limits::ChildEducationCap) + QStringLiteral(" на ребёнка");
    addPart(total, std::move(children));

    SummaryLine costly = line(QStringLiteral("Дорогостоящее лечение"), e2.CostlyTreatment, place);
    costly.note = QStringLiteral("без ограничения");
    addPart(total, std::move(costly));

    SummaryLine limited = line(QStringLiteral("Вычеты с общим пределом ") +
                                   SummaryText::roubles(Limits::SocialSharedCap),
                               e2.LimitedTotal, place);
    const std::pair<QString, Money> limitedParts[] = {
        {QStringLiteral("Обучение"), e2.Education},
        {QStringLiteral("Лечение"), e2.Treatment},
        {QStringLiteral("Добровольное личное страхование"), e2.PersonalInsurance},
        {QStringLiteral("Негосударственное пенсионное обеспечение"), e2.NpoContributions},
        {QStringLiteral("Добровольное пенсионное страхование"), e2.DpsContributions},
        {QStringLiteral("Дополнительные взносы на накопительную пенсию"), e2.AdditionalPension}};
    Money limitedClaim;
    for (const auto& [caption, amount] : limitedParts) {
        Add(limitedClaim, amount);
        addPart(limited, line(caption, amount, place));
    }
    QStringList notes;
    if (limitedClaim > Limits::SocialSharedCap)
        notes << claimed(limitedClaim) + QStringLiteral("; ") + notAbove(Limits::SocialSharedCap);
    if (sum.PrilE3.AgentGrantedTotal > Money())
        notes << QStringLiteral("без предоставленного налоговым агентом");
    limited.note = notes.join(QStringLiteral("; "));
    if (!limitedClaim.isZero())
        total.parts.push_back(std::move(limited));
    return total;
}

SummaryLine propertyPurchase(const mTDeclaration& declaration, const kTSvodSumPrilZ& z)
{
    const EntryPlace place = EntryPlace::PropertyDeduction;
    SummaryLine total =
        line(QStringLiteral("Имущественный вычет на покупку жилья"),
             Sum(z.DeductionNow, z.InterestNow, z.AgentInterestGranted, z.AgentGranted), place);
    SummaryLine expense = line(QStringLiteral("Расходы на объект"), z.Expense, place);
    if (declaration.PropertyDeduction.ObjectCost > z.Expense)
        expense.note = claimed(declaration.PropertyDeduction.ObjectCost) +
                       QStringLiteral("; не более предела с учётом доли");
    addPart(total, std::move(expense));
    const std::pair<QString, Money> parts[] = {
        {QStringLiteral("Проценты по кредитам"), z.Interest},
        {QStringLiteral("Вычет, полученный в прошлые годы"), z.PriorUsed},
        {QStringLiteral("Проценты, учтённые в прошлые годы"), z.PriorInterestUsed},
        {QStringLiteral("Предоставлено налоговым агентом"), z.AgentGranted},
        {QStringLiteral("Проценты, учтённые налоговым агентом"), z.AgentInterestGranted},
        {QStringLiteral("Вычет по расходам в этой декларации"), z.DeductionNow},
        {QStringLiteral("Вычет по процентам в этой декларации"), z.InterestNow},
        {QStringLiteral("Остаток вычета на следующие годы"), z.RemainderNext},
        {QStringLiteral("Остаток по процентам на следующие годы"), z.InterestRemainderNext}};
    for (const auto& [caption, amount] : parts)
        addPart(total, line(caption, amount, place));
    return total;
}

SummaryLine propertySale(const kTSvodSumPrilH1& h1, EntryPlace place)
{
    SummaryLine total =
        line(QStringLiteral("Имущественный вычет при продаже имущества"), h1.DeductionTotal, place);
    const auto part = [&](const QString& caption, Money deduction, Money income) {
        SummaryLine item = line(caption, deduction, place);
        item.note = QStringLiteral("доход ") + SummaryText::roubles(income);
        addPart(total, std::move(item));
    };
    part(QStringLiteral("Жильё и земля"), h1.HousingDeduction, h1.HousingIncome);
    part(QStringLiteral("Иное имущество"), h1.OtherDeduction, h1.OtherIncome);
    part(QStringLiteral("Выкуп для государственных нужд"), h1.SeizedDeduction, h1.SeizedIncome);
    return total;
}

SummaryLine expenses(const QString& caption, const kTSvodSumPrilV& sheet, EntryPlace place)
{
    SummaryLine total = line(caption, sheet.Expenses, place);
    total.note = QStringLiteral("доход ") + SummaryText::roubles(sheet.Income);
    return total;
}

} // namespace

SummaryLine line(const QString& caption, Money amount, EntryPlace place)
{
    SummaryLine result;
    result.caption = caption;
    result.amount = amount;
    result.place = place;
    return result;
}

SummaryLine formLine(const QString& caption, Money amount, const char* element)
{
    SummaryLine result = line(caption, amount);
    result.element = element;
    return result;
}

SummaryLine taxLine(const QString& caption, Money amount, const char* element)
{
    SummaryLine result = formLine(caption, amount, element);
    result.tax = true;
    return result;
}

void addPart(SummaryLine& to, SummaryLine part)
{
    if (!part.amount.isZero())
        to.parts.push_back(std::move(part));
}

void settlePlaces(SummaryLine& line)
{
    for (SummaryLine& part : line.parts)
        settlePlaces(part);
    if (line.place != EntryPlace::Computed || line.parts.empty())
        return;
    line.place = line.parts.front().place;
    for (const SummaryLine& part : line.parts) {
        if (part.place != line.place)
            line.place = EntryPlace::Several;
    }
}

void addExemptParts(SummaryLine& to, const kTSvodSumPrilM& m, EntryPlace place)
{
    const QString aidCap = notAbove(Limits::AidCap) + QStringLiteral(" в год");
    const std::tuple<QString, Money, QString> parts[] = {
        {QStringLiteral("Материальная помощь при рождении ребёнка"), m.BirthAidExempt, QString()},
        {QStringLiteral("Материальная помощь работникам"), m.WorkAidExempt, aidCap},
        {QStringLiteral("Материальная помощь инвалидам"), m.DisabledAidExempt, aidCap},
        {QStringLiteral("Подарки"), m.GiftExempt, aidCap},
        {QStringLiteral("Призы"), m.PrizeExempt, aidCap},
        {QStringLiteral("Возмещение стоимости лекарств"), m.MedicineExempt, aidCap},
        {QStringLiteral("Помощь и подарки ветеранам"), m.AidGiftExempt,
         notAbove(Limits::AidGiftCap) + QStringLiteral(" в год")},
        {QStringLiteral("Оплата труда в натуральной форме"), m.FarmExempt, QString()}};
    for (const auto& [caption, amount, note] : parts) {
        SummaryLine part = line(caption, amount, place);
        part.note = note;
        addPart(to, std::move(part));
    }
}

void addResidentDeductions(SummaryLine& to, const mTDeclaration& declaration, const kTSvodSum& sum,
                           const EnteredAmounts& entered)
{
    addPart(to, standardDeductions(sum.PrilE1));
    addPart(to, socialDeductions(declaration, sum, entered));
    addPart(to, line(QStringLiteral("Пенсионные взносы, учтённые налоговым агентом"),
                     sum.PrilE3.AgentGrantedTotal, EntryPlace::SocialDeductions));
    addPart(to, propertySale(sum.PrilH1, EntryPlace::RussianIncome13));
    addPart(to, propertyPurchase(declaration, sum.PrilZ));
    addPart(to, securities(sum, EntryPlace::RussianIncome13));
    addPart(to, expenses(QStringLiteral("Расходы предпринимателя"), sum.PrilV1,
                         EntryPlace::BusinessIncome));
    addPart(to, expenses(QStringLiteral("Расходы частной практики"), sum.PrilV2,
                         EntryPlace::PrivatePractice));
    addPart(to, line(QStringLiteral("Профессиональные вычеты"), sum.PrilG.ExpenseTotal,
                     EntryPlace::RussianIncome13));
    addPart(to, line(QStringLiteral("Профессиональные вычеты по доходам за пределами РФ"),
                     sum.PrilG_In.ExpenseTotal, EntryPlace::ForeignIncome));
}

SummaryLine securities(const kTSvodSum& sum, EntryPlace place)
{
    const kTSvodSumPrilJ& j = sum.PrilJ;
    SummaryLine total = line(QStringLiteral("Расходы и убытки по операциям с ценными бумагами"),
                             j.ExpenseAll, place);
    addPart(total, line(QStringLiteral("Доходы по операциям"), j.IncomeAll, place));
    addPart(total, line(QStringLiteral("Облагаемый результат"), j.TaxableAll, place));
    addPart(total, line(QStringLiteral("Убытки прошлых лет, учтённые в этом году"),
                        Sum(j.OrgPriorLossUsed, j.FissSecPriorLossUsed, j.FissOtherPriorLossUsed),
                        EntryPlace::SecuritiesLosses));
    addPart(total, line(QStringLiteral("Убыток, переносимый на следующие годы"),
                        Sum(j.CarryLossSec, j.CarryLossFiss), EntryPlace::SecuritiesLosses));
    return total;
}

} // namespace SummarySheets
