// The rules each section shares with the whole check: where the two scopes say different things,
// and the order in which a list's failures are put.
#include "CheckSamples.h"
#include "check/BusinessRules.h"
#include "check/DeductionRules.h"
#include "check/IncomeRules.h"
#include "check/TaxpayerRules.h"

#include <QTest>

Q_DECLARE_METATYPE(RuleFailures)

namespace {

using Builder = mTDeclaration (*)();

RuleFailure failure(const char16_t* message, quint16 code)
{
    return {QString::fromUtf16(message), code};
}

mTDeclaration withoutInn()
{
    mTDeclaration d = ValidDeclaration();
    d.Person.INN.clear();
    d.Person.DocKind = 0;
    d.Person.DocNumber.clear();
    d.Person.DocIssuer.clear();
    return d;
}

mTDeclaration estimatedWithShortOktmo()
{
    mTDeclaration d = ValidDeclaration();
    d.DeclForm = DeclarationForm::EstimatedIncome;
    d.Person.OKTMO = QStringLiteral("4538");
    return d;
}

// Two foreign incomes: the first without an income code, the second with a currency code of
// spaces.
mTDeclaration currencyGaps()
{
    mTDeclaration d = ValidDeclaration();
    for (int i = 0; i < 2; ++i) {
        mTCurrencyIncome& c = d.CurrencyIncomes.At(d.CurrencyIncomes.Add());
        c.CurrencyCode = QStringLiteral("840");
        c.IncomeExchangeRate = 30_rub;
        c.IncomeUnits = 1;
        c.CurIncomeCode = 1010;
        c.IncomeInCurrency = 100_rub;
    }
    d.CurrencyIncomes.At(0).CurIncomeCode = 0;
    d.CurrencyIncomes.At(1).CurrencyCode = QStringLiteral("   ");
    return d;
}

mTDeclaration propertyWithoutPostcode()
{
    mTDeclaration d = ValidDeclaration();
    mTConstructionDeduct& c = d.PropertyDeduction;
    c.PropertyEnabled = 1;
    c.ObjectKind = 2;
    c.OwnershipKind = 1;
    c.OwnerSign = 1;
    c.ObjRegionCode = QStringLiteral("77");
    return d;
}

// Documented expenses whose total exceeds the sum of their parts.
mTDeclaration businessTotalAboveParts()
{
    mTDeclaration d = ValidDeclaration();
    mTBusinessNew& b = d.Businesses.At(d.Businesses.Add());
    b.ActivityKind = QStringLiteral("2");
    b.ExpensesTotal = 1000_rub;
    b.MaterialExpenses = 400_rub;
    return d;
}

enum class Rules
{
    TaxpayerName,
    Currency,
    Property,
    Business
};

RuleFailures failures(Rules rules, const mTDeclaration& d, CheckScope scope)
{
    switch (rules) {
    case Rules::TaxpayerName:
        return TaxpayerNameFailures(d, scope);
    case Rules::Currency:
        return CurrencyFailures(d, scope);
    case Rules::Property:
        return PropertyFailures(d, scope);
    case Rules::Business:
        return BusinessFailures(d, scope, QLatin1Char(','));
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Builder)
Q_DECLARE_METATYPE(Rules)

class TestSectionRules : public QObject
{
    Q_OBJECT

private slots:
    void scopes_data();
    void scopes();
};

void TestSectionRules::scopes_data()
{
    QTest::addColumn<Builder>("build");
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<RuleFailures>("section");
    QTest::addColumn<RuleFailures>("declaration");

    const RuleFailure noDocument = failure(u"Не указан документ, удостоверяющий личность", 5);
    QTest::newRow("an empty INN is asked for only in the section")
        << &withoutInn << Rules::TaxpayerName
        << RuleFailures{failure(u"Не указан ИНН", 4), noDocument} << RuleFailures{noDocument};
    QTest::newRow("4-NDFL OKTMO, worded by scope")
        << &estimatedWithShortOktmo << Rules::TaxpayerName
        << RuleFailures{failure(u"Не введен код ОКТМО(8 или 11 символов)", 10)}
        << RuleFailures{failure(u"Не введен код ОКТМО(8 или 11 симв.)", 10)};
    const RuleFailure noIncomeCode =
        failure(u"По данному источнику выплаты не указан код дохода", 1);
    const RuleFailure noCurrency = failure(u"По данному источнику выплаты не указан код валюты", 2);
    QTest::newRow("currency: entry by entry, or rule by rule; a blank code is no code")
        << &currencyGaps << Rules::Currency << RuleFailures{noIncomeCode, noCurrency}
        << RuleFailures{noCurrency, noIncomeCode};
    QTest::newRow("the property postcode is asked for only in the section")
        << &propertyWithoutPostcode << Rules::Property
        << RuleFailures{failure(u"Не введен почтовый индекс", 2)} << RuleFailures{};
    QTest::newRow("business expenses: equal in the section, not above in the whole check")
        << &businessTotalAboveParts << Rules::Business
        << RuleFailures{failure(u"Общие расходы (1000) не совпадают с суммой расходов "
                                u"материальных, на оплату труда, прочих и амортизационных "
                                u"отчислений (400)",
                                1)}
        << RuleFailures{};
}

void TestSectionRules::scopes()
{
    QFETCH(Builder, build);
    QFETCH(Rules, rules);
    QFETCH(RuleFailures, section);
    QFETCH(RuleFailures, declaration);
    const mTDeclaration d = build();
    QCOMPARE(failures(rules, d, CheckScope::Section), section);
    QCOMPARE(failures(rules, d, CheckScope::Declaration), declaration);
}

QTEST_GUILESS_MAIN(TestSectionRules)
#include "tst_section_rules.moc"
