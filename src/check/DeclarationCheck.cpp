#include "check/DeclarationCheck.h"

#include "check/FieldChecks.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

const QString kTaxpayerTitle = QStringLiteral("Сведения о декларанте");
const QString kSocialTitle = QStringLiteral("Социальные вычеты");
const QString kStandardTitle = QStringLiteral("Стандартные вычеты");

// Runs the groups in order; the first failed rule asks the one question of the run and ends it.
class DeclarationChecker
{
public:
    DeclarationChecker(const mTDeclaration& declaration, CheckAnswerer& answerer, QChar separator)
        : d(declaration), p(declaration.Person), m_answerer(answerer), m_separator(separator)
    {}

    CheckOutcome run()
    {
        if (conditions() || taxpayer() || residence() || income13() || currency() || business() ||
            practice() || deductions() || property() || residenceOktmo())
            return m_outcome;
        return CheckOutcome{};
    }

private:
    bool is4Ndfl() const { return d.DeclForm == DeclarationForm::EstimatedIncome; }

    // Asks about a failed rule; always returns true, so that a caller can write
    // "return fail(...)" and the run stops.
    bool fail(quint16 group, const QString& title, const QString& message, qint16 code)
    {
        const DeclarationAnswer answer = m_answerer.askDeclaration({title, message});
        m_outcome = {group, answer == DeclarationAnswer::Fix ? code : CheckOutcome::Cancelled};
        return true;
    }
    bool fail(quint16 group, const QString& message, qint16 code)
    {
        return fail(group, CheckGroupTitle(group), message, code);
    }

    QString amount(Money value) const { return value.toText(m_separator); }
    // "<before><first><between><second>)": a message that sets two amounts side by side.
    QString twoAmounts(const QString& before, Money first, const QString& between,
                       Money second) const
    {
        return before + amount(first) + between + amount(second) + QStringLiteral(")");
    }
    // Business and practice incomes alike: labour contracts cost more than labour in total.
    QString contractsOverLabour(Money contracts, Money labour) const
    {
        return twoAmounts(QStringLiteral("Расходы по оплате трудовых договоров("), contracts,
                          QStringLiteral(") превышают сумму расходов на оплату труда ("), labour);
    }

    bool conditions();
    bool taxpayer();
    bool residence();
    bool income13();
    bool currency();
    bool business();
    bool practice();
    bool deductions();
    bool property();
    bool residenceOktmo();

    const mTDeclaration& d;
    const mTPersonInformation& p;
    CheckAnswerer& m_answerer;
    QChar m_separator;
    CheckOutcome m_outcome;
};

bool oktmoLengthWrong(const QString& oktmo)
{
    const qsizetype length = oktmo.trimmed().size();
    return length != 8 && length != 11;
}

// The calendar year of a day count, 0 when it is no date.
int yearOf(double dayCount)
{
    const QDate date = DayCount::toDate(dayCount);
    return date.isValid() ? date.year() : 0;
}

bool earlier(double a, double b)
{
    const QDate first = DayCount::toDate(a);
    const QDate second = DayCount::toDate(b);
    if (first.isValid() && second.isValid())
        return first < second;
    return a < b;
}

// The day 14 years after a birth date; 29 February counts as 28 February.
std::optional<QDate> fourteenYearsAfter(double birthDate)
{
    const QDate birth = DayCount::toDate(birthDate);
    if (!birth.isValid())
        return std::nullopt;
    const int day = birth.month() == 2 && birth.day() == 29 ? 28 : birth.day();
    const QDate result(birth.year() + 14, birth.month(), day);
    return result.isValid() ? std::optional<QDate>(result) : std::nullopt;
}

bool DeclarationChecker::conditions()
{
    const quint16 g = CheckGroup::Conditions;
    if (d.InspectionCode.isEmpty())
        return fail(g, QStringLiteral("Не введен номер инспекции"), 1);
    if (d.ConfirmKind != 0 && d.RepresentativeName.trimmed().isEmpty())
        return fail(g, QStringLiteral("Не указаны ФИО подписанта-представителя"), 3);
    if (d.ConfirmKind != 0 && d.RepresentativeDoc.trimmed().isEmpty())
        return fail(
            g, QStringLiteral("Не указан документ, подтверждающий полномочия представителя"), 4);
    if (d.ConfirmKind == 2 && d.RepresentativeOrg.trimmed().isEmpty())
        return fail(g, QStringLiteral("Не указано наименование Юр.лица-представителя"), 5);
    return false;
}

bool DeclarationChecker::taxpayer()
{
    const quint16 g = CheckGroup::Taxpayer;
    if (p.Surname.isEmpty())
        return fail(g, QStringLiteral("Не введена фамилия"), 1);
    if (p.FirstName.isEmpty())
        return fail(g, QStringLiteral("Не введено имя"), 2);
    const int inn = CheckINN(p.INN, InnKind::Person);
    if (inn == InnCheck::BadLengthPerson)
        return fail(g, QStringLiteral("Длинна ИНН должна быть равна 12 цифрам"), 4);
    if (inn == InnCheck::WrongControlDigits)
        return fail(g, QStringLiteral("Номер ИНН введен неверно"), 4);
    if (inn == InnCheck::Empty &&
        (d.HasIncomeKind(IncomeKind::Business) || d.TaxpayerKind == 0 || is4Ndfl()))
        return fail(g,
                    is4Ndfl() ? QStringLiteral("Не указан ИНН")
                              : QStringLiteral("Лицам имеющим доходы от предпринимательской "
                                               "деятельности необходимо ввести ИНН"),
                    4);
    if (inn != InnCheck::Valid && p.BirthPlace.trimmed().isEmpty())
        return fail(g, QStringLiteral("Не указано место рождения"), 9);
    if (inn != InnCheck::Valid && p.DocKind == 0)
        return fail(g, QStringLiteral("Не указан документ, удостоверяющий личность"), 5);
    if (p.DocKind != 0 && p.DocNumber.isEmpty())
        return fail(
            g, QStringLiteral("Не указаны серия и номер документа, удостоверяющего личность"), 6);
    const bool issuedBeforeBirth = earlier(p.DocIssueDate, p.BirthDate);
    if (p.DocKind != 0 && issuedBeforeBirth)
        return fail(g, QStringLiteral("Дата выдачи документа не может быть меньше даты рождения"),
                    7);
    if ((p.DocKind == 7 || p.DocKind == 8 || p.DocKind == 21 || p.DocKind == 24) &&
        !issuedBeforeBirth) {
        const auto adult = fourteenYearsAfter(p.BirthDate);
        const QDate issued = DayCount::toDate(p.DocIssueDate);
        if (adult && issued.isValid() && *adult > issued)
            return fail(g,
                        QStringLiteral("Дата выдачи документа должна быть больше даты рождения как "
                                       "минимум на 14 лет"),
                        7);
    }
    if (p.DocKind != 0 && p.DocIssuer.isEmpty())
        return fail(g, QStringLiteral("Не указано, кем выдан документ, удостоверяющий личность"),
                    8);
    if (is4Ndfl() && oktmoLengthWrong(p.OKTMO))
        return fail(g, QStringLiteral("Не введен код ОКТМО(8 или 11 симв.)"), 10);
    return false;
}

bool DeclarationChecker::residence()
{
    if (is4Ndfl())
        return false;
    const quint16 g = CheckGroup::Residence;
    if (p.RegionCode == 0)
        return fail(g, QStringLiteral("Не указан регион постоянного местожительства"), 2);
    if (p.Locality.isEmpty() && p.Street.isEmpty())
        return fail(g,
                    QStringLiteral("Не указан населенный пункт (село, поселок) или улица "
                                   "(проспект, переулок)"),
                    5);
    return false;
}

bool DeclarationChecker::residenceOktmo()
{
    if (is4Ndfl() || !oktmoLengthWrong(p.OKTMO))
        return false;
    return fail(CheckGroup::Residence,
                QStringLiteral("Не введен код ОКТМО(8 или 11 симв.) по месту жительства"), 4);
}

// Runs one rule over a list: the first record that fails gives its 1-based position.
template <class List, class Rule> int firstFailing(const List& list, Rule rule)
{
    int position = 0;
    for (const auto& record : list) {
        ++position;
        if (rule(record))
            return position;
    }
    return 0;
}

bool DeclarationChecker::income13()
{
    if (!d.HasIncomeKind(IncomeKind::Country))
        return false;
    const quint16 g = CheckGroup::Income13;
    if (const int at = firstFailing(d.Income13, [](const mTThirteenPercent& source) {
            return source.TotalIncome < source.TaxWithheld;
        }))
        return fail(g,
                    QStringLiteral("По данному источнику выплаты общая сумма дохода меньше "
                                   "удержанной суммы"),
                    qint16(at));
    if (const int at = firstFailing(
            d.Income13, [](const mTThirteenPercent& source) { return source.IncomeCount() == 0; }))
        return fail(g, QStringLiteral("По данному источнику не указаны доходы"), qint16(at));
    return false;
}

bool DeclarationChecker::currency()
{
    if (!d.HasIncomeKind(IncomeKind::Abroad))
        return false;
    const quint16 g = CheckGroup::Currency;
    using Rule = bool (*)(const mTCurrencyIncome&);
    static const std::pair<Rule, const char16_t*> rules[] = {
        {[](const mTCurrencyIncome& c) { return c.CurrencyCode.isEmpty(); },
         u"По данному источнику выплаты не указан код валюты"},
        {[](const mTCurrencyIncome& c) {
             return c.IncomeExchangeRate.isZero() || c.IncomeUnits == 0;
         },
         u"По данному источнику выплаты не указан курс валюты"},
        {[](const mTCurrencyIncome& c) { return c.CurIncomeCode == 0; },
         u"По данному источнику выплаты не указан код дохода"},
        {[](const mTCurrencyIncome& c) { return c.IncomeInCurrency.isZero(); },
         u"По данному источнику выплаты не указана сумма дохода"},
        {[](const mTCurrencyIncome& c) {
             // Securities income carries its expenses in the deduction without an amount.
             static constexpr qint32 securities[] = {1530, 1531, 1532, 1533, 1535,
                                                     1536, 1537, 1538, 1539, 1541};
             return c.CurDeductCode != 0 &&
                    std::find(std::begin(securities), std::end(securities), c.CurIncomeCode) ==
                        std::end(securities) &&
                    c.CurDeductSum.isZero();
         },
         u"По данному источнику выплаты не указана сумма вычета"},
    };
    for (const auto& [rule, message] : rules) {
        if (const int at = firstFailing(d.CurrencyIncomes, rule))
            return fail(g, QString::fromUtf16(message), qint16(at));
    }
    return false;
}

bool DeclarationChecker::business()
{
    if (!d.HasIncomeKind(IncomeKind::Business) || d.Businesses.Count() == 0)
        return false;
    const quint16 g = CheckGroup::Business;
    const quint8 firstDocumented = d.Businesses.At(0).HasDocumentedExpenses;
    qint16 position = 0;
    for (const mTBusinessNew& b : d.Businesses) {
        ++position;
        if (b.HasDocumentedExpenses != firstDocumented)
            return fail(g,
                        QStringLiteral("Нельзя одновременно пользоваться и подтвержденными "
                                       "расходами и нормативом 20%."),
                        position);
        if (b.ActivityKind == QLatin1String("1") && b.ActivityName.trimmed().size() < 4)
            return fail(g,
                        QStringLiteral("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая "
                                       "точку"),
                        position);
        if (!b.HasDocumentedExpenses)
            continue;
        if (b.LabourCosts < b.LabourContracts)
            return fail(g, contractsOverLabour(b.LabourContracts, b.LabourCosts), position);
        const Money details =
            std::accumulate(b.ExpenseDetails.begin(), b.ExpenseDetails.end(), Money());
        if (details > b.OtherExpenses)
            return fail(g,
                        twoAmounts(QStringLiteral("Сумма прочих расходов ("), b.OtherExpenses,
                                   QStringLiteral(") меньше суммы ее составляющих ("), details),
                        position);
        const Money parts = b.MaterialExpenses + b.Depreciation + b.LabourCosts + b.OtherExpenses;
        if (parts > b.ExpensesTotal)
            return fail(g,
                        twoAmounts(QStringLiteral("Общие расходы ("), b.ExpensesTotal,
                                   QStringLiteral(") меньше суммы расходов материальных, на "
                                                  "оплату труда, прочих и амортизационных "
                                                  "отчислений ("),
                                   parts),
                        position);
    }
    return false;
}

bool DeclarationChecker::practice()
{
    if (!d.HasIncomeKind(IncomeKind::Practice))
        return false;
    const quint16 g = CheckGroup::Practice;
    qint16 position = 0;
    for (const mTRepetitNew& r : d.PracticeIncomes) {
        ++position;
        const auto& x = r.PracticeDetails;
        const Money material = x[mTRepetitNew::MaterialExpenses];
        const Money labour = x[mTRepetitNew::Labour];
        const Money contracts = x[mTRepetitNew::LabourContracts];
        const Money other = x[mTRepetitNew::OtherExpenses];
        if (labour < contracts)
            return fail(g, contractsOverLabour(contracts, labour), position);
        const Money energyAndProperty =
            x[mTRepetitNew::EnergyExpenses] + x[mTRepetitNew::NonAmortizableProperty];
        if (energyAndProperty > material)
            return fail(g,
                        twoAmounts(QStringLiteral("Сумма материальных расходов меньше ("), material,
                                   QStringLiteral(") суммы расходов на энергию и неамортизируемое "
                                                  "имущество("),
                                   energyAndProperty),
                        position);
        const Money components =
            std::accumulate(x.begin() + mTRepetitNew::FirstOtherComponent, x.end(), Money());
        if (components > other)
            return fail(g,
                        twoAmounts(QStringLiteral("Сумма прочих расходов ("), other,
                                   QStringLiteral(") не совпадает с суммой ее составляющих ("),
                                   components),
                        position);
        const Money parts = material + x[mTRepetitNew::Amortization] + labour + other;
        if (parts > r.PracticeExpenses)
            return fail(g,
                        twoAmounts(QStringLiteral("Общие расходы ("), r.PracticeExpenses,
                                   QStringLiteral(") не совпадают с суммой расходов материальных, "
                                                  "на оплату труда, прочих и амортизационных "
                                                  "отчислений ("),
                                   parts),
                        position);
    }
    return false;
}

bool DeclarationChecker::deductions()
{
    if (d.IncomeKinds() == 0)
        return false;
    const quint16 g = CheckGroup::Deductions;
    const mTSocialDeduct& s = d.SocialDeduction;
    if (s.SocialEnabled && s.CharitySum.isZero() && s.SelfEducationSum.isZero() &&
        s.MedicalSum.isZero() && s.ExpensiveMedicalSum.isZero() && s.InsuranceSum.isZero() &&
        s.PensionContribSum.isZero() && s.ChildEducationSums().empty() &&
        s.PensionContracts().empty())
        return fail(g, kSocialTitle,
                    QStringLiteral("Не введены данные по социальным налоговым вычетам"), 1);
    const mTStandartDeduct& st = d.StandardDeduction;
    if (st.StdEnabled && !st.MonthlyIncomeMode && d.HasIncomeKind(IncomeKind::Country) &&
        !d.HasIncomeKind(IncomeKind::Business)) {
        for (int month = 0; month < 12; ++month) {
            const auto sources = std::count_if(
                d.Income13.begin(), d.Income13.end(),
                [month](const mTThirteenPercent& source) { return source.HasMonthAmount(month); });
            if (sources >= 2)
                return fail(g, kStandardTitle,
                            QStringLiteral("Вы не могли получать стандартные вычеты работая в "
                                           "нескольких местах ОДНОВРЕМЕННО."),
                            2);
        }
    }
    return false;
}

// RoundKop of 2 000 000 roubles times numerator / denominator, computed exactly in kopecks. A
// share with a zero denominator (possible only in a damaged file) allows nothing.
Money propertyCap(qint32 numerator, qint32 denominator)
{
    if (denominator == 0)
        return Money();
    const qint64 dividend = qint64(200000000) * numerator;
    const qint64 divisor = denominator;
    qint64 whole = dividend / divisor;
    const qint64 rest = dividend % divisor;
    const bool positive = (dividend >= 0) == (divisor > 0);
    if (positive && rest != 0 && 2 * std::abs(rest) >= std::abs(divisor))
        ++whole;
    return Money::fromKopecks(whole);
}

bool DeclarationChecker::property()
{
    if (d.IncomeKinds() == 0 || !d.PropertyDeduction.PropertyEnabled)
        return false;
    const quint16 g = CheckGroup::Property;
    const mTConstructionDeduct& c = d.PropertyDeduction;
    if (c.ObjectKind == 0)
        return fail(g, QStringLiteral("Не введено наименование объекта"), 1);
    if (c.OwnershipKind == 0)
        return fail(g, QStringLiteral("Не введен вид собственности"), 10);
    if (c.OwnerSign == 0)
        return fail(g, QStringLiteral("Не введен признак налогоплательщика"), 11);
    if (c.ObjRegionCode == QLatin1String("0"))
        return fail(g, QStringLiteral("Не указан код региона"), 12);
    const int startYear = yearOf(c.StartYearDate);
    const int keyYear = yearOf(c.ByInvestment ? c.ActDate : c.RightRegDate);
    if (d.Pensioner == 0 && startYear < keyYear && keyYear > 2008)
        return fail(g,
                    c.ByInvestment ? QStringLiteral("Год начала пользования льготой меньше даты "
                                                    "акта о передаче")
                                   : QStringLiteral("Год начала пользования льготой меньше даты "
                                                    "регистрации прав собственности"),
                    5);
    if (keyYear < 2008 && c.PriorYearsDeduction > 1000000_rub)
        return fail(g,
                    QStringLiteral("В предыдущие отчетные годы не могли зачесть более 1000000 "
                                   "рублей"),
                    8);
    if (keyYear >= 2008 && c.PriorYearsDeduction > 2000000_rub)
        return fail(g,
                    QStringLiteral("В предыдущие отчетные годы не могли зачесть более 2000000 "
                                   "рублей"),
                    8);
    const Money claimed = c.PriorYearsDeduction + c.PriorYearsAgentDeduction + c.CarriedCost;
    if (propertyCap(c.ShareNumerator, c.ShareDenominator) < claimed)
        return fail(g,
                    QStringLiteral("Перейти с прошлого года может не более 2000000 рублей * долю "
                                   "собственности (за вычетом уже зачтенных сумм)"),
                    6);
    return false;
}

} // namespace

QString CheckGroupTitle(quint16 group)
{
    switch (group) {
    case CheckGroup::Conditions:
        return QStringLiteral("Задание условий");
    case CheckGroup::Taxpayer:
    case CheckGroup::Residence:
        return kTaxpayerTitle;
    case CheckGroup::Income13:
        return QStringLiteral("Доходы, облагаемые ставкой 13%");
    case CheckGroup::Currency:
        return QStringLiteral("Доходы в валюте");
    case CheckGroup::Business:
        return QStringLiteral("Доходы от предпринимательской деятельности");
    case CheckGroup::Practice:
        return QStringLiteral("Доходы от частной практики");
    case CheckGroup::Deductions:
        return kSocialTitle;
    case CheckGroup::Property:
        return QStringLiteral("Имущественный налоговый вычет");
    default:
        return QString();
    }
}

CheckOutcome CheckDeclaration(const mTDeclaration& declaration, CheckAnswerer& answerer,
                              QChar decimalSeparator)
{
    return DeclarationChecker(declaration, answerer, decimalSeparator).run();
}
