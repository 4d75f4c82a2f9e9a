// INN and KPP checks and the two source-of-payment checks with their dialog protocol.

#include "ScriptedAnswerer.h"
#include "check/FieldChecks.h"
#include "check/SectionCheckRun.h"

#include <QTest>

namespace {

// A valid organisation INN (control digit of 123456789 is 4) and a valid person INN.
const QString kOrgInn = QStringLiteral("1234567894");
const QString kPersonInn = QStringLiteral("123456789047");
const QString kKpp = QStringLiteral("770101001");
const QString kOktmo = QStringLiteral("45382000");

QStringList messages(const ScriptedAnswerer& answerer)
{
    QStringList list;
    for (const SectionQuestion& q : answerer.sectionQuestions)
        list << q.message;
    return list;
}

} // namespace

class TestFieldChecks : public QObject
{
    Q_OBJECT

private slots:
    void checkInn_data();
    void checkInn();
    void checkKpp_data();
    void checkKpp();
    void paymentSource_data();
    void paymentSource();
    void paymentSourceStrict_data();
    void paymentSourceStrict();
    void skipContinuesAndSkipStaysDisabled();
    void skipAllEndsTheRun();
    void closingSkipsOnlyWhatMayBeSkipped();
};

void TestFieldChecks::checkInn_data()
{
    QTest::addColumn<QString>("inn");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("result");
    QTest::newRow("organisation valid") << kOrgInn << 1 << 0;
    QTest::newRow("organisation valid, any kind") << kOrgInn << 0 << 0;
    QTest::newRow("organisation wrong digit") << "1234567890" << 1 << 5;
    QTest::newRow("organisation wrong digit, any kind") << "1234567890" << 0 << 5;
    QTest::newRow("nine digits as organisation") << "123456789" << 1 << 3;
    QTest::newRow("spaces only") << "          " << 1 << 1;
    QTest::newRow("empty") << "" << 0 << 1;
    QTest::newRow("trimmed before checking") << "  1234567894 " << 1 << 0;
    QTest::newRow("person valid") << kPersonInn << 2 << 0;
    QTest::newRow("person first control digit wrong") << "123456789057" << 2 << 5;
    QTest::newRow("person second control digit wrong") << "123456789048" << 2 << 5;
    QTest::newRow("person with ten digits") << kOrgInn << 2 << 4;
    QTest::newRow("organisation with twelve digits") << kPersonInn << 1 << 3;
    QTest::newRow("eleven digits, any kind") << "12345678904" << 0 << 2;
    QTest::newRow("remainder 1 gives control digit 0") << "0000000040" << 1 << 0;
    QTest::newRow("remainder 0 gives control digit 0") << "0000000000" << 1 << 0;
    QTest::newRow("letters") << "12345678A4" << 1 << 5;
    QTest::newRow("real organisation") << "7707083893" << 1 << 0;
    QTest::newRow("real person") << "500100732259" << 2 << 0;
}

void TestFieldChecks::checkInn()
{
    QFETCH(QString, inn);
    QFETCH(int, kind);
    QFETCH(int, result);
    QCOMPARE(CheckINN(inn, InnKind(kind)), result);
}

void TestFieldChecks::checkKpp_data()
{
    QTest::addColumn<QString>("kpp");
    QTest::addColumn<int>("result");
    QTest::newRow("nine") << kKpp << 0;
    QTest::newRow("eight") << "77010100" << 2;
    QTest::newRow("nine spaces") << "         " << 1;
    QTest::newRow("characters not examined") << "ABCDEFGHI" << 0;
}

void TestFieldChecks::checkKpp()
{
    QFETCH(QString, kpp);
    QFETCH(int, result);
    QCOMPARE(CheckKPP(kpp), result);
}

void TestFieldChecks::paymentSource_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("oktmo");
    QTest::addColumn<QString>("kpp");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("skipEnabled");

    QTest::newRow("valid organisation")
        << "ООО Ромашка" << kOktmo << kKpp << kOrgInn << "" << 0 << true;
    QTest::newRow("no INN and no KPP") << "Иванов" << kOktmo << ""
                                       << ""
                                       << "" << 0 << true;
    QTest::newRow("person INN without KPP") << "Иванов"
                                            << "45382000000"
                                            << "" << kPersonInn << "" << 0 << true;
    QTest::newRow("no name") << "  " << kOktmo << kKpp << kOrgInn
                             << "Не заполненно поле \"Наименование источника выплаты\"" << 1
                             << false;
    QTest::newRow("OKTMO of 9") << "X"
                                << "453820001" << kKpp << kOrgInn
                                << "Код ОКТМО введен некорректно(должно быть 8 или 11 симв.)(При "
                                   "продаже имущества физ.лицу - не нужен)"
                                << 4 << false;
    QTest::newRow("no OKTMO")
        << "X"
        << " " << kKpp << kOrgInn
        << "Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)" << 4
        << true;
    QTest::newRow("INN of 11") << "X" << kOktmo << kKpp << "12345678904"
                               << "Длинна ИНН должна быть равна 10 или 12 цифрам" << 2 << false;
    QTest::newRow("INN wrong") << "X" << kOktmo << kKpp << "1234567890"
                               << "Номер ИНН введен неверно" << 2 << true;
    QTest::newRow("no KPP") << "X" << kOktmo << "" << kOrgInn << "Отсутствует КПП" << 3 << false;
    QTest::newRow("KPP of 8") << "X" << kOktmo << "77010100" << kOrgInn
                              << "Длинна КПП должна быть равна 9 цифрам" << 3 << false;
    QTest::newRow("KPP without INN") << "X" << kOktmo << kKpp << ""
                                     << "Введите ИНН" << 2 << false;
    QTest::newRow("KPP with person INN")
        << "X" << kOktmo << kKpp << kPersonInn << "Длинна ИНН для юрлиц должна быть равна 10 цифрам"
        << 2 << false;
}

void TestFieldChecks::paymentSource()
{
    QFETCH(QString, name);
    QFETCH(QString, oktmo);
    QFETCH(QString, kpp);
    QFETCH(QString, inn);
    QFETCH(QString, message);
    QFETCH(int, code);
    QFETCH(bool, skipEnabled);
    ScriptedAnswerer answerer;
    QCOMPARE(int(CheckPaymentSource(answerer, QStringLiteral("Доходы"), name, oktmo, kpp, inn)),
             code);
    QCOMPARE(messages(answerer), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        const SectionQuestion& q = answerer.sectionQuestions.first();
        QCOMPARE(q.windowTitle(), QStringLiteral("Проверка: Доходы"));
        QCOMPARE(q.skipEnabled, skipEnabled);
        QVERIFY(!q.skipAllEnabled);
    }
}

void TestFieldChecks::paymentSourceStrict_data()
{
    QTest::addColumn<QString>("oktmo");
    QTest::addColumn<QString>("kpp");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("code");
    const QString placeholder = QStringLiteral("00000000000");
    QTest::newRow("valid") << placeholder << kKpp << kOrgInn << "" << 0;
    QTest::newRow("no OKTMO") << "" << kKpp << kOrgInn << "Не введен код ОКТМО(8 или 11 симв.)"
                              << 4;
    QTest::newRow("person INN") << placeholder << kKpp << kPersonInn
                                << "Длинна ИНН должна быть равна 10 цифрам" << 2;
    QTest::newRow("wrong INN") << placeholder << kKpp << "1234567890"
                               << "Номер ИНН введен неверно" << 2;
    QTest::newRow("no KPP") << placeholder << "" << kOrgInn << "Отсутствует КПП" << 3;
    QTest::newRow("short KPP") << placeholder << "7701" << kOrgInn
                               << "Длинна КПП должна быть равна 9 цифрам" << 3;
    QTest::newRow("no INN") << placeholder << kKpp << ""
                            << "Введите ИНН" << 2;
}

void TestFieldChecks::paymentSourceStrict()
{
    QFETCH(QString, oktmo);
    QFETCH(QString, kpp);
    QFETCH(QString, inn);
    QFETCH(QString, message);
    QFETCH(int, code);
    ScriptedAnswerer answerer;
    QCOMPARE(int(CheckPaymentSourceStrict(answerer, QStringLiteral("Дивиденды"),
                                          QStringLiteral("АО"), oktmo, kpp, inn)),
             code);
    QCOMPARE(messages(answerer), message.isEmpty() ? QStringList() : QStringList{message});
    for (const SectionQuestion& q : answerer.sectionQuestions)
        QVERIFY(!q.skipEnabled && !q.skipAllEnabled);
}

void TestFieldChecks::skipContinuesAndSkipStaysDisabled()
{
    // Name missing (disables skip), OKTMO missing (would leave skip as it is), INN wrong.
    ScriptedAnswerer answerer;
    answerer.defaultSection = SectionAnswer::Skip;
    QCOMPARE(CheckPaymentSource(answerer, QStringLiteral("Доходы"), QString(), QString(), QString(),
                                QStringLiteral("1234567890")),
             quint16(0));
    QCOMPARE(
        messages(answerer),
        (QStringList{
            QStringLiteral("Не заполненно поле \"Наименование источника выплаты\""),
            QStringLiteral(
                "Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)"),
            QStringLiteral("Номер ИНН введен неверно"), QStringLiteral("Отсутствует КПП")}));
    for (const SectionQuestion& q : answerer.sectionQuestions)
        QVERIFY(!q.skipEnabled);

    // A later "Исправить" gives that rule's code.
    ScriptedAnswerer second;
    second.sectionScript = {SectionAnswer::Skip, SectionAnswer::Fix};
    QCOMPARE(CheckPaymentSource(second, QStringLiteral("Доходы"), QString(), QString(), QString(),
                                QString()),
             SourceField::Oktmo);
    QCOMPARE(second.sectionQuestions.size(), 2);
}

void TestFieldChecks::skipAllEndsTheRun()
{
    ScriptedAnswerer answerer;
    answerer.defaultSection = SectionAnswer::SkipAll;
    QCOMPARE(CheckPaymentSource(answerer, QStringLiteral("Доходы"), QString(), QString(), QString(),
                                QString()),
             quint16(0));
    QCOMPARE(answerer.sectionQuestions.size(), 1);
}

void TestFieldChecks::closingSkipsOnlyWhatMayBeSkipped()
{
    // A missing name disables "Пропустить": closing the window (Escape) stops the check without
    // letting the source through, and without naming a field to fix (a field's fix may open a
    // picker, which a person who closed the message did not ask for).
    ScriptedAnswerer answerer;
    answerer.defaultSection = SectionAnswer::Closed;
    QCOMPARE(CheckPaymentSourceStrict(answerer, QStringLiteral("Доходы"), QString(), QString(),
                                      QString(), QString()),
             SectionCheckRun::kClosedCode);
    QCOMPARE(answerer.sectionQuestions.size(), 1);

    // Where skipping is allowed, closing goes on to the next rule.
    ScriptedAnswerer skippable;
    skippable.defaultSection = SectionAnswer::Closed;
    SectionCheckRun run(skippable, QStringLiteral("Доход"));
    run.fail(QStringLiteral("Первое"), 7);
    run.fail(QStringLiteral("Второе"), 8);
    QCOMPARE(run.result(), quint16(0));
    QCOMPARE(skippable.sectionQuestions.size(), 2);
}

QTEST_GUILESS_MAIN(TestFieldChecks)
#include "tst_field_checks.moc"
