// The whole-declaration check: every group, its rules, messages, codes and titles, and the answers.

#include "CheckSamples.h"
#include "ScriptedAnswerer.h"
#include "check/DeclarationCheck.h"

#include <QTest>
#include <functional>
#include <limits>

namespace {

using Change = std::function<void(mTDeclaration&)>;

struct Case
{
    const char* name;
    Change change;
    quint16 group;
    qint16 code;
    const char* title;
    const char* message;
};

void addCurrency(mTDeclaration& d, const std::function<void(mTCurrencyIncome&)>& change)
{
    d.SetIncomeKinds(d.IncomeKinds() | IncomeKind::Abroad);
    mTCurrencyIncome c;
    c.CurrencyCode = QStringLiteral("840");
    c.IncomeExchangeRate = Money::fromUnits(327292);
    c.IncomeUnits = 1;
    c.CurIncomeCode = 1010;
    c.IncomeInCurrency = 100_rub;
    change(c);
    d.CurrencyIncomes.Replace(d.CurrencyIncomes.Add(), c);
}

void addBusiness(mTDeclaration& d, const std::function<void(mTBusinessNew&)>& change)
{
    d.SetIncomeKinds(d.IncomeKinds() | IncomeKind::Business);
    mTBusinessNew b;
    b.ActivityKind = QStringLiteral("1");
    b.ActivityName = QStringLiteral("47.11");
    b.ExpensesTotal = 1000_rub;
    change(b);
    d.Businesses.Replace(d.Businesses.Add(), b);
}

void addPractice(mTDeclaration& d, const std::function<void(mTRepetitNew&)>& change)
{
    d.SetIncomeKinds(d.IncomeKinds() | IncomeKind::Practice);
    mTRepetitNew r;
    r.PracticeExpenses = 1000_rub;
    change(r);
    d.PracticeIncomes.Replace(d.PracticeIncomes.Add(), r);
}

void addSource(mTDeclaration& d, const mTThirteenPercent& source)
{
    d.SetIncomeKinds(d.IncomeKinds() | IncomeKind::Country);
    d.Income13.Replace(d.Income13.Add(), source);
}

// A property deduction that passes; rows change one field.
void enableProperty(mTDeclaration& d, const std::function<void(mTConstructionDeduct&)>& change)
{
    d.SetIncomeKinds(d.IncomeKinds() | IncomeKind::Country);
    d.Income13.Replace(d.Income13.Add(), SourceWithIncome(500000_rub, 65000_rub));
    mTConstructionDeduct& c = d.PropertyDeduction;
    c.PropertyEnabled = 1;
    c.ObjectKind = 1;
    c.OwnershipKind = 1;
    c.OwnerSign = 1;
    c.ObjRegionCode = QStringLiteral("77");
    c.RightRegDate = DayCount::fromDate(2012, 5, 10);
    c.ActDate = DayCount::fromDate(2012, 3, 1);
    c.StartYearDate = DayCount::fromDate(2012, 1, 1);
    c.ShareNumerator = 1;
    c.ShareDenominator = 1;
    change(c);
}

const QList<Case>& cases()
{
    static const QList<Case> list{
        // Group 1
        {"new declaration", [](mTDeclaration& d) { d = mTDeclaration(); }, 1, 1, "Задание условий",
         "Не введен номер инспекции"},
        {"representative without name",
         [](mTDeclaration& d) {
             d.ConfirmKind = 1;
             d.RepresentativeDoc = QStringLiteral("Доверенность");
             d.RepresentativeName = QStringLiteral("  ");
         },
         1, 3, "Задание условий", "Не указаны ФИО подписанта-представителя"},
        {"representative without document",
         [](mTDeclaration& d) {
             d.ConfirmKind = 1;
             d.RepresentativeName = QStringLiteral("Петров");
         },
         1, 4, "Задание условий", "Не указан документ, подтверждающий полномочия представителя"},
        {"organisation without name",
         [](mTDeclaration& d) {
             d.ConfirmKind = 2;
             d.RepresentativeName = QStringLiteral("Петров");
             d.RepresentativeDoc = QStringLiteral("Доверенность");
         },
         1, 5, "Задание условий", "Не указано наименование Юр.лица-представителя"},
        // Group 2
        {"tax office only",
         [](mTDeclaration& d) {
             d = mTDeclaration();
             d.InspectionCode = QStringLiteral("7728");
         },
         2, 1, "Сведения о декларанте", "Не введена фамилия"},
        {"no first name", [](mTDeclaration& d) { d.Person.FirstName.clear(); }, 2, 2,
         "Сведения о декларанте", "Не введено имя"},
        {"INN of 10", [](mTDeclaration& d) { d.Person.INN = QStringLiteral("1234567894"); }, 2, 4,
         "Сведения о декларанте", "Длинна ИНН должна быть равна 12 цифрам"},
        {"INN wrong", [](mTDeclaration& d) { d.Person.INN = QStringLiteral("123456789048"); }, 2, 4,
         "Сведения о декларанте", "Номер ИНН введен неверно"},
        {"entrepreneur without INN",
         [](mTDeclaration& d) {
             d.Person.INN.clear();
             d.TaxpayerKind = 0;
         },
         2, 4, "Сведения о декларанте",
         "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН"},
        {"business income without INN",
         [](mTDeclaration& d) {
             d.Person.INN.clear();
             d.SetIncomeKinds(IncomeKind::Business);
         },
         2, 4, "Сведения о декларанте",
         "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН"},
        {"4-NDFL without INN",
         [](mTDeclaration& d) {
             d.Person.INN.clear();
             d.DeclForm = DeclarationForm::EstimatedIncome;
         },
         2, 4, "Сведения о декларанте", "Не указан ИНН"},
        {"no INN, no birth place",
         [](mTDeclaration& d) {
             d.Person.INN.clear();
             d.Person.BirthPlace = QStringLiteral(" ");
         },
         2, 9, "Сведения о декларанте", "Не указано место рождения"},
        {"no INN, no document",
         [](mTDeclaration& d) {
             d.Person.INN.clear();
             d.Person.DocKind = 0;
         },
         2, 5, "Сведения о декларанте", "Не указан документ, удостоверяющий личность"},
        {"no document number", [](mTDeclaration& d) { d.Person.DocNumber.clear(); }, 2, 6,
         "Сведения о декларанте", "Не указаны серия и номер документа, удостоверяющего личность"},
        {"issued before birth",
         [](mTDeclaration& d) { d.Person.DocIssueDate = DayCount::fromDate(1980, 2, 28); }, 2, 7,
         "Сведения о декларанте", "Дата выдачи документа не может быть меньше даты рождения"},
        {"passport at 13",
         [](mTDeclaration& d) { d.Person.DocIssueDate = DayCount::fromDate(1993, 11, 2); }, 2, 7,
         "Сведения о декларанте",
         "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет"},
        {"military card at 13",
         [](mTDeclaration& d) {
             d.Person.DocKind = 7;
             d.Person.DocIssueDate = DayCount::fromDate(1993, 1, 1);
         },
         2, 7, "Сведения о декларанте",
         "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет"},
        {"born 29 February, passport a day early",
         [](mTDeclaration& d) {
             d.Person.BirthDate = DayCount::fromDate(1996, 2, 29);
             d.Person.DocIssueDate = DayCount::fromDate(2010, 2, 27);
         },
         2, 7, "Сведения о декларанте",
         "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет"},
        {"no issuer", [](mTDeclaration& d) { d.Person.DocIssuer.clear(); }, 2, 8,
         "Сведения о декларанте", "Не указано, кем выдан документ, удостоверяющий личность"},
        {"4-NDFL OKTMO of 9",
         [](mTDeclaration& d) {
             d.DeclForm = DeclarationForm::EstimatedIncome;
             d.Person.OKTMO = QStringLiteral("453820001");
             d.Person.RegionCode = 0;
         },
         2, 10, "Сведения о декларанте", "Не введен код ОКТМО(8 или 11 симв.)"},
        // Group 3
        {"no region", [](mTDeclaration& d) { d.Person.RegionCode = 0; }, 3, 2,
         "Сведения о декларанте", "Не указан регион постоянного местожительства"},
        {"no locality and street", [](mTDeclaration& d) { d.Person.Street.clear(); }, 3, 5,
         "Сведения о декларанте",
         "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)"},
        // Group 4
        {"withheld more than income",
         [](mTDeclaration& d) {
             addSource(d, SourceWithIncome(100_rub, 13_rub));
             addSource(d, SourceWithIncome(100_rub, 200_rub));
         },
         4, 2, "Доходы, облагаемые ставкой 13%",
         "По данному источнику выплаты общая сумма дохода меньше удержанной суммы"},
        {"second source without lines",
         [](mTDeclaration& d) {
             addSource(d, SourceWithIncome(100_rub, 13_rub));
             addSource(d, mTThirteenPercent());
         },
         4, 2, "Доходы, облагаемые ставкой 13%", "По данному источнику не указаны доходы"},
        {"each rule over all sources first",
         [](mTDeclaration& d) {
             addSource(d, mTThirteenPercent());
             addSource(d, SourceWithIncome(100_rub, 200_rub));
         },
         4, 2, "Доходы, облагаемые ставкой 13%",
         "По данному источнику выплаты общая сумма дохода меньше удержанной суммы"},
        // Group 7
        {"currency code",
         [](mTDeclaration& d) {
             addCurrency(d, [](mTCurrencyIncome&) {});
             addCurrency(d, [](mTCurrencyIncome& c) { c.CurrencyCode.clear(); });
         },
         7, 2, "Доходы в валюте", "По данному источнику выплаты не указан код валюты"},
        {"currency units",
         [](mTDeclaration& d) { addCurrency(d, [](mTCurrencyIncome& c) { c.IncomeUnits = 0; }); },
         7, 1, "Доходы в валюте", "По данному источнику выплаты не указан курс валюты"},
        {"currency income code",
         [](mTDeclaration& d) { addCurrency(d, [](mTCurrencyIncome& c) { c.CurIncomeCode = 0; }); },
         7, 1, "Доходы в валюте", "По данному источнику выплаты не указан код дохода"},
        {"currency amount",
         [](mTDeclaration& d) {
             addCurrency(d, [](mTCurrencyIncome& c) { c.IncomeInCurrency = Money(); });
         },
         7, 1, "Доходы в валюте", "По данному источнику выплаты не указана сумма дохода"},
        {"currency deduction amount",
         [](mTDeclaration& d) {
             addCurrency(d, [](mTCurrencyIncome& c) { c.CurDeductCode = 601; });
         },
         7, 1, "Доходы в валюте", "По данному источнику выплаты не указана сумма вычета"},
        // Group 8
        {"mixed expense kinds",
         [](mTDeclaration& d) {
             addBusiness(d, [](mTBusinessNew&) {});
             addBusiness(d, [](mTBusinessNew& b) { b.HasDocumentedExpenses = 0; });
         },
         8, 2, "Доходы от предпринимательской деятельности",
         "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%."},
        {"short OKVED",
         [](mTDeclaration& d) {
             addBusiness(d, [](mTBusinessNew& b) { b.ActivityName = QStringLiteral(" 47 "); });
         },
         8, 1, "Доходы от предпринимательской деятельности",
         "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"},
        {"labour contracts",
         [](mTDeclaration& d) {
             addBusiness(d, [](mTBusinessNew& b) {
                 b.LabourCosts = 100_rub;
                 b.LabourContracts = Money::fromKopecks(15050);
             });
         },
         8, 1, "Доходы от предпринимательской деятельности",
         "Расходы по оплате трудовых договоров(150,5) превышают сумму расходов на оплату труда "
         "(100)"},
        {"other expense components",
         [](mTDeclaration& d) {
             addBusiness(d, [](mTBusinessNew& b) {
                 b.OtherExpenses = 10_rub;
                 b.ExpenseDetails[0] = 6_rub;
                 b.ExpenseDetails[12] = Money::fromKopecks(401);
             });
         },
         8, 1, "Доходы от предпринимательской деятельности",
         "Сумма прочих расходов (10) меньше суммы ее составляющих (10,01)"},
        {"total expenses",
         [](mTDeclaration& d) {
             addBusiness(d, [](mTBusinessNew& b) {
                 b.MaterialExpenses = 600_rub;
                 b.Depreciation = 401_rub;
             });
         },
         8, 1, "Доходы от предпринимательской деятельности",
         "Общие расходы (1000) меньше суммы расходов материальных, на оплату труда, прочих и "
         "амортизационных отчислений (1001)"},
        // Amounts no entry field allows, from a damaged file: the sum is exact, not wrapped.
        {"expenses beyond any amount",
         [](mTDeclaration& d) {
             addBusiness(d, [](mTBusinessNew& b) {
                 b.MaterialExpenses = 900000000000000_rub;
                 b.OtherExpenses = 900000000000000_rub;
             });
         },
         8, 1, "Доходы от предпринимательской деятельности",
         "Общие расходы (1000) меньше суммы расходов материальных, на оплату труда, прочих и "
         "амортизационных отчислений (1800000000000000)"},
        // Group 11
        {"practice labour",
         [](mTDeclaration& d) {
             addPractice(d, [](mTRepetitNew& r) {
                 r.PracticeDetails[mTRepetitNew::LabourContracts] = 5_rub;
             });
         },
         11, 1, "Доходы от частной практики",
         "Расходы по оплате трудовых договоров(5) превышают сумму расходов на оплату труда (0)"},
        {"practice material",
         [](mTDeclaration& d) {
             addPractice(d, [](mTRepetitNew& r) {
                 r.PracticeDetails[mTRepetitNew::EnergyExpenses] = 3_rub;
                 r.PracticeDetails[mTRepetitNew::NonAmortizableProperty] = 3_rub;
                 r.PracticeDetails[mTRepetitNew::MaterialExpenses] = 5_rub;
             });
         },
         11, 1, "Доходы от частной практики",
         "Сумма материальных расходов меньше (5) суммы расходов на энергию и неамортизируемое "
         "имущество(6)"},
        {"practice other",
         [](mTDeclaration& d) {
             addPractice(d, [](mTRepetitNew& r) {
                 r.PracticeDetails[mTRepetitNew::DetailCount - 1] = 1_rub;
             });
         },
         11, 1, "Доходы от частной практики",
         "Сумма прочих расходов (0) не совпадает с суммой ее составляющих (1)"},
        {"practice total",
         [](mTDeclaration& d) {
             addPractice(d, [](mTRepetitNew& r) {
                 r.PracticeDetails[mTRepetitNew::Amortization] = 1001_rub;
             });
         },
         11, 1, "Доходы от частной практики",
         "Общие расходы (1000) не совпадают с суммой расходов материальных, на оплату труда, "
         "прочих и амортизационных отчислений (1001)"},
        {"practice expenses beyond any amount",
         [](mTDeclaration& d) {
             addPractice(d, [](mTRepetitNew& r) {
                 r.PracticeDetails[mTRepetitNew::MaterialExpenses] = 900000000000000_rub;
                 r.PracticeDetails[mTRepetitNew::OtherExpenses] = 900000000000000_rub;
             });
         },
         11, 1, "Доходы от частной практики",
         "Общие расходы (1000) не совпадают с суммой расходов материальных, на оплату труда, "
         "прочих и амортизационных отчислений (1800000000000000)"},
        // Group 9
        {"social without data",
         [](mTDeclaration& d) {
             addSource(d, SourceWithIncome(100_rub, 13_rub));
             d.SocialDeduction.SocialEnabled = 1;
         },
         9, 1, "Социальные вычеты", "Не введены данные по социальным налоговым вычетам"},
        {"standard at two places",
         [](mTDeclaration& d) {
             auto a = SourceWithIncome(100_rub, 13_rub);
             a.SetMonthAmount(3, 50_rub);
             auto b = a;
             b.SetMonthAmount(0, 10_rub);
             addSource(d, a);
             addSource(d, b);
         },
         9, 2, "Стандартные вычеты",
         "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО."},
        // Group 10
        {"no object",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) { c.ObjectKind = 0; });
         },
         10, 1, "Имущественный налоговый вычет", "Не введено наименование объекта"},
        {"no ownership",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) { c.OwnershipKind = 0; });
         },
         10, 10, "Имущественный налоговый вычет", "Не введен вид собственности"},
        {"no owner sign",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) { c.OwnerSign = 0; });
         },
         10, 11, "Имущественный налоговый вычет", "Не введен признак налогоплательщика"},
        {"region 0",
         [](mTDeclaration& d) {
             enableProperty(d,
                            [](mTConstructionDeduct& c) { c.ObjRegionCode = QStringLiteral("0"); });
         },
         10, 12, "Имущественный налоговый вычет", "Не указан код региона"},
        {"start before act",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) {
                 c.ByInvestment = 1;
                 c.StartYearDate = DayCount::fromDate(2011, 1, 1);
             });
         },
         10, 5, "Имущественный налоговый вычет",
         "Год начала пользования льготой меньше даты акта о передаче"},
        {"start before registration",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) {
                 c.StartYearDate = DayCount::fromDate(2011, 1, 1);
             });
         },
         10, 5, "Имущественный налоговый вычет",
         "Год начала пользования льготой меньше даты регистрации прав собственности"},
        {"prior years before 2008",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) {
                 c.RightRegDate = DayCount::fromDate(2007, 5, 1);
                 c.StartYearDate = DayCount::fromDate(2007, 1, 1);
                 c.PriorYearsDeduction = 1000001_rub;
             });
         },
         10, 8, "Имущественный налоговый вычет",
         "В предыдущие отчетные годы не могли зачесть более 1000000 рублей"},
        {"prior years since 2008",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) {
                 c.PriorYearsDeduction = 2000000_rub + Money::fromKopecks(1);
             });
         },
         10, 8, "Имущественный налоговый вычет",
         "В предыдущие отчетные годы не могли зачесть более 2000000 рублей"},
        {"cap of a third share",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) {
                 c.ShareDenominator = 3;
                 c.PriorYearsDeduction = 666666_rub;
                 c.CarriedCost = Money::fromKopecks(68);
             });
         },
         10, 6, "Имущественный налоговый вычет",
         "Перейти с прошлого года может не более 2000000 рублей * долю собственности (за вычетом "
         "уже зачтенных сумм)"},
        {"carried amounts beyond any amount",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) {
                 c.PriorYearsAgentDeduction = 900000000000000_rub;
                 c.CarriedCost = 900000000000000_rub;
             });
         },
         10, 6, "Имущественный налоговый вычет",
         "Перейти с прошлого года может не более 2000000 рублей * долю собственности (за вычетом "
         "уже зачтенных сумм)"},
        {"zero share denominator",
         [](mTDeclaration& d) {
             enableProperty(d, [](mTConstructionDeduct& c) {
                 c.ShareDenominator = 0;
                 c.CarriedCost = 1_rub;
             });
         },
         10, 6, "Имущественный налоговый вычет",
         "Перейти с прошлого года может не более 2000000 рублей * долю собственности (за вычетом "
         "уже зачтенных сумм)"},
        // Final rule
        {"OKTMO of 9 at the end",
         [](mTDeclaration& d) { d.Person.OKTMO = QStringLiteral("453820001"); }, 3, 4,
         "Сведения о декларанте", "Не введен код ОКТМО(8 или 11 симв.) по месту жительства"},
    };
    return list;
}

} // namespace

class TestDeclarationCheck : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void passing_data();
    void passing();
    void cancelGivesMinusOne();
    void checkOnlyReads();
};

void TestDeclarationCheck::rules_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < cases().size(); ++i)
        QTest::newRow(cases().at(i).name) << i;
}

void TestDeclarationCheck::rules()
{
    QFETCH(int, index);
    const Case& c = cases().at(index);
    mTDeclaration d = ValidDeclaration();
    c.change(d);
    ScriptedAnswerer answerer;
    const CheckOutcome outcome = CheckDeclaration(d, answerer);
    QCOMPARE(answerer.declarationQuestions.size(), 1);
    QCOMPARE(answerer.declarationQuestions.first().message, QString::fromUtf8(c.message));
    QCOMPARE(answerer.declarationQuestions.first().title, QString::fromUtf8(c.title));
    QCOMPARE(answerer.declarationQuestions.first().windowTitle(),
             QStringLiteral("Проверка: ") + QString::fromUtf8(c.title));
    QCOMPARE(outcome.group, c.group);
    QCOMPARE(outcome.field, c.code);
    QVERIFY(answerer.sectionQuestions.isEmpty());
}

void TestDeclarationCheck::passing_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("no income kinds") << 0;
    QTest::newRow("OKTMO of 11") << 1;
    QTest::newRow("4-NDFL skips the residence") << 2;
    QTest::newRow("passport on the 14th birthday") << 3;
    QTest::newRow("securities income needs no deduction amount") << 4;
    QTest::newRow("flat-rate expenses are not itemised") << 5;
    QTest::newRow("cap of a third share exactly") << 6;
    QTest::newRow("pensioner may start earlier") << 7;
    QTest::newRow("one source per month") << 8;
    QTest::newRow("share far above one") << 9;
}

void TestDeclarationCheck::passing()
{
    QFETCH(int, variant);
    mTDeclaration d = ValidDeclaration();
    switch (variant) {
    case 0:
        d.SetIncomeKinds(0);
        break;
    case 1:
        d.Person.OKTMO = QStringLiteral("45382000000");
        break;
    case 2:
        d.DeclForm = DeclarationForm::EstimatedIncome;
        d.Person.RegionCode = 0;
        d.Person.Street.clear();
        break;
    case 3:
        d.Person.BirthDate = DayCount::fromDate(1996, 2, 29);
        d.Person.DocIssueDate = DayCount::fromDate(2010, 2, 28);
        break;
    case 4:
        addCurrency(d, [](mTCurrencyIncome& c) {
            c.CurIncomeCode = 1530;
            c.CurDeductCode = 201;
        });
        break;
    case 5:
        addBusiness(d, [](mTBusinessNew& b) {
            b.HasDocumentedExpenses = 0;
            b.LabourContracts = 100_rub;
        });
        break;
    case 6:
        enableProperty(d, [](mTConstructionDeduct& c) {
            c.ShareDenominator = 3;
            c.PriorYearsDeduction = 666666_rub;
            c.CarriedCost = Money::fromKopecks(67); // 666 666.67, the cap rounded half up
        });
        break;
    case 7:
        d.Pensioner = 1;
        enableProperty(
            d, [](mTConstructionDeduct& c) { c.StartYearDate = DayCount::fromDate(2010, 1, 1); });
        break;
    case 8: {
        auto a = SourceWithIncome(100_rub, 13_rub);
        a.SetMonthAmount(0, 50_rub);
        auto b = SourceWithIncome(100_rub, 13_rub);
        b.SetMonthAmount(1, 50_rub);
        addSource(d, a);
        addSource(d, b);
        break;
    }
    case 9:
        // Its cap lies beyond the range of an amount; it is compared exactly.
        enableProperty(d, [](mTConstructionDeduct& c) {
            c.ShareNumerator = std::numeric_limits<qint32>::max();
            c.CarriedCost = 1_rub;
        });
        break;
    }
    ScriptedAnswerer answerer;
    const CheckOutcome outcome = CheckDeclaration(d, answerer);
    QCOMPARE(answerer.declarationQuestions.size(), 0);
    QCOMPARE(outcome, (CheckOutcome{CheckGroup::Residence, 0}));
    QVERIFY(outcome.passed());
}

void TestDeclarationCheck::cancelGivesMinusOne()
{
    mTDeclaration d = ValidDeclaration();
    d.Person.Surname.clear();
    ScriptedAnswerer answerer;
    answerer.defaultDeclaration = DeclarationAnswer::Cancel;
    const CheckOutcome outcome = CheckDeclaration(d, answerer);
    QCOMPARE(outcome.group, CheckGroup::Taxpayer);
    QCOMPARE(outcome.field, CheckOutcome::Cancelled);
    QVERIFY(outcome.cancelled());
    QVERIFY(!outcome.passed());
}

void TestDeclarationCheck::checkOnlyReads()
{
    mTDeclaration d = ValidDeclaration();
    addBusiness(d, [](mTBusinessNew& b) { b.LabourContracts = 5_rub; });
    const mTDeclaration before = d;
    ScriptedAnswerer answerer;
    CheckDeclaration(d, answerer);
    QVERIFY(d == before);
}

QTEST_GUILESS_MAIN(TestDeclarationCheck)
#include "tst_declaration_check.moc"
