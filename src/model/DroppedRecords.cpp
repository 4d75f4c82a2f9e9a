#include "model/DroppedRecords.h"

#include "model/Declaration.h"

#include <QStringList>

namespace {

// The count with the noun in the form Russian gives it after that number: 1 строка, 2 строки,
// 5 строк, 11 строк, 21 строка.
QString counted(int count, const QString& one, const QString& few, const QString& many)
{
    const int lastTwo = count % 100;
    const int last = count % 10;
    const QString& noun = lastTwo >= 11 && lastTwo <= 14 ? many
                          : last == 1                    ? one
                          : last >= 2 && last <= 4       ? few
                                                         : many;
    return QString::number(count) + QLatin1Char(' ') + noun;
}

QString lines(int count)
{
    return counted(count, QStringLiteral("строка"), QStringLiteral("строки"),
                   QStringLiteral("строк"));
}

bool anyDeduction(const mTDeclaration& d)
{
    return !(d.StandardDeduction == mTStandartDeduct()) ||
           !(d.SocialDeduction == mTSocialDeduct()) ||
           !(d.PropertyDeduction == mTConstructionDeduct()) ||
           !(d.SecuritiesDeduction == mTCBDeduct());
}

} // namespace

DroppedRecords DroppedRecords::of(const mTDeclaration& declaration, quint8 kept, quint8 keptAfter)
{
    const quint8 going = kept & quint8(~keptAfter) & declaration.IncomeKinds();
    DroppedRecords dropped;
    if (going & IncomeKind::Country) {
        for (const auto* list : {&declaration.Income13, &declaration.Income13NR}) {
            dropped.countrySources += list->Count();
            for (const mTThirteenPercent& source : *list)
                dropped.countryLines += source.IncomeCount();
        }
        const int single = declaration.Income35.Count() + declaration.Income30.Count();
        dropped.countrySources += single;
        dropped.countryLines += single;
    }
    if (going & IncomeKind::Abroad)
        dropped.currencyIncomes = declaration.CurrencyIncomes.Count();
    if (going & IncomeKind::Business)
        dropped.businesses = declaration.Businesses.Count();
    dropped.deductions = kept != 0 && keptAfter == 0 && anyDeduction(declaration);
    return dropped;
}

bool DroppedRecords::empty() const
{
    return countrySources == 0 && currencyIncomes == 0 && businesses == 0 && !deductions;
}

QString DroppedRecords::question() const
{
    QStringList parts;
    if (countrySources > 0)
        parts << QStringLiteral("о доходах в РФ (%1, %2)")
                     .arg(counted(countrySources, QStringLiteral("источник"),
                                  QStringLiteral("источника"), QStringLiteral("источников")),
                          lines(countryLines));
    if (currencyIncomes > 0)
        parts << QStringLiteral("о доходах в иностранной валюте (%1)").arg(lines(currencyIncomes));
    if (businesses > 0)
        parts << QStringLiteral("о доходах от предпринимательской деятельности (%1)")
                     .arg(counted(businesses, QStringLiteral("вид деятельности"),
                                  QStringLiteral("вида деятельности"),
                                  QStringLiteral("видов деятельности")));
    if (deductions)
        parts << QStringLiteral("о вычетах");
    if (parts.isEmpty())
        return {};
    QString listed = parts.takeLast();
    if (!parts.isEmpty())
        listed = parts.join(QStringLiteral(", ")) + QStringLiteral(" и ") + listed;
    return QStringLiteral("Сведения ") + listed + QStringLiteral(" будут удалены. Продолжить?");
}
