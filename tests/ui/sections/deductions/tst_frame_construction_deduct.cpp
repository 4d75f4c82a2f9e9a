#include "storage/DayCount.h"
#include "support/FrameTestHost.h"
#include "ui/sections/deductions/FrameConstructionDeduct.h"
#include "ui/widgets/DateField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>
#include <memory>

namespace {

QComboBox* combo(const QObject& frame, const char* name)
{
    return child<QComboBox>(frame, name);
}

DateField* picker(const QObject& frame, const char* name)
{
    return child<DateField>(frame, name);
}

// A claimed deduction for a flat with everything the frame's own check asks for.
void fillFlat(mTDeclaration& doc)
{
    mTConstructionDeduct& record = doc.PropertyDeduction;
    record.PropertyEnabled = 1;
    record.ObjectKind = 2;
    record.OwnershipKind = 1;
    record.OwnerSign = 1;
    record.ObjPostIndex = QStringLiteral("123456");
    record.ObjRegionCode = QStringLiteral("77");
    record.RightRegDate = DayCount::fromDate(2012, 5, 10);
    record.StartYearDate = DayCount::fromDate(2012, 1, 1);
    record.ShareNumerator = 1;
    record.ShareDenominator = 1;
}

} // namespace

class TestFrameConstructionDeduct : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TfrConstructionDeduct> build(FrameTestHost& host)
    {
        return std::make_unique<TfrConstructionDeduct>(nullptr, host);
    }

private slots:
    void newDeclarationIsGreyed()
    {
        FrameTestHost host;
        mTConstructionDeduct& record = host.doc.PropertyDeduction;
        record.CarriedCost = Money::fromRoubles(5);
        const mTConstructionDeduct before = record;
        auto frame = build(host);
        QVERIFY(!child<QCheckBox>(*frame, "chbGrantingDeduct")->isChecked());
        for (const char* name : {"chbPensioner", "cbObjectNaim", "mePostIndex", "bnRegion",
                                 "dtpRegRightDate", "dtpBayDate", "meObsch", "bnNext"})
            QVERIFY2(!child<QWidget>(*frame, name)->isEnabled(), name);
        frame->StoreData();
        QCOMPARE(record.PropertyEnabled, quint8(0));
        QCOMPARE(record.CarriedCost, Money());
        mTConstructionDeduct expected = before;
        expected.CarriedCost = Money();
        QCOMPARE(record, expected);
        QCOMPARE(frame->CheckData(), quint16(0));
        QCOMPARE(host.changes, 0);
    }

    void share_data()
    {
        QTest::addColumn<QString>("numerator");
        QTest::addColumn<QString>("denominator");
        QTest::addColumn<int>("storedNumerator");
        QTest::addColumn<int>("storedDenominator");
        QTest::newRow("half") << "1"
                              << "2" << 1 << 2;
        QTest::newRow("more than whole") << "3"
                                         << "2" << 2 << 2;
        QTest::newRow("empty") << ""
                               << "" << 1 << 1;
        QTest::newRow("zero") << "0"
                              << "4" << 1 << 4;
    }

    void share()
    {
        QFETCH(QString, numerator);
        QFETCH(QString, denominator);
        QFETCH(int, storedNumerator);
        QFETCH(int, storedDenominator);
        FrameTestHost host;
        auto frame = build(host);
        click(*frame, "chbGrantingDeduct");
        type(*frame, "meDol1", numerator);
        type(*frame, "meDol2", denominator);
        frame->StoreData();
        QCOMPARE(host.doc.PropertyDeduction.ShareNumerator, storedNumerator);
        QCOMPARE(host.doc.PropertyDeduction.ShareDenominator, storedDenominator);
        QCOMPARE(host.doc.PropertyDeduction.StartYearDate, DayCount::fromDate(1997, 1, 1));
    }

    void investmentDropsLandObjects()
    {
        FrameTestHost host;
        fillFlat(host.doc);
        host.doc.PropertyDeduction.ObjectKind = 5;
        auto frame = build(host);
        QCOMPARE(combo(*frame, "cbObjectNaim")->count(), 8);
        QCOMPARE(combo(*frame, "cbObjectNaim")->itemText(7), QStringLiteral("Доля в доме, земле"));
        QVERIFY(picker(*frame, "dtpRegZemDate")->isEnabled());
        QVERIFY(!picker(*frame, "dtpBayDate")->isEnabled());

        click(*frame, "rbInvest");
        QCOMPARE(combo(*frame, "cbObjectNaim")->count(), 4);
        QCOMPARE(combo(*frame, "cbObjectNaim")->currentIndex(), -1);
        QVERIFY(!picker(*frame, "dtpRegZemDate")->isEnabled());
        QVERIFY(!picker(*frame, "dtpRegRightDate")->isEnabled());
        QVERIFY(picker(*frame, "dtpBayDate")->isEnabled());
        QCOMPARE(host.changes, 1);

        frame->StoreData();
        QCOMPARE(host.doc.PropertyDeduction.ObjectKind, 0);
        QCOMPARE(host.doc.PropertyDeduction.ByInvestment, quint8(1));
        host.answers.answerCheck(TfmCheckError::Fix);
        QCOMPARE(frame->CheckData(), quint16(1));
        QCOMPARE(host.answers.checkMessages,
                 QStringList{QStringLiteral("Не введено наименование объекта")});
        QCOMPARE(host.answers.dialogTitles.constLast(),
                 QStringLiteral("Проверка: Имущественный налоговый вычет"));

        // Back to purchase: eight objects again, the last one renamed.
        combo(*frame, "cbObjectNaim")->setCurrentIndex(1);
        click(*frame, "rbBay");
        QCOMPARE(combo(*frame, "cbObjectNaim")->count(), 8);
        QCOMPARE(combo(*frame, "cbObjectNaim")->currentIndex(), 1);
        QCOMPARE(combo(*frame, "cbObjectNaim")->itemText(7), QStringLiteral("Доля в земле"));
        QVERIFY(!picker(*frame, "dtpRegZemDate")->isEnabled());
        combo(*frame, "cbObjectNaim")->setCurrentIndex(6);
        QVERIFY(picker(*frame, "dtpRegZemDate")->isEnabled());
    }

    void applicationDateFollowsOwnership_data()
    {
        QTest::addColumn<int>("ownership");
        QTest::addColumn<int>("sign");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("sole owner") << 0 << 0 << false;
        QTest::newRow("sole, spouse") << 0 << 1 << true;
        QTest::newRow("shared") << 1 << 1 << false;
        QTest::newRow("joint") << 2 << 0 << true;
    }

    void applicationDateFollowsOwnership()
    {
        QFETCH(int, ownership);
        QFETCH(int, sign);
        QFETCH(bool, enabled);
        FrameTestHost host;
        fillFlat(host.doc);
        auto frame = build(host);
        combo(*frame, "cbVidSob")->setCurrentIndex(ownership);
        combo(*frame, "cbPrizNal")->setCurrentIndex(sign);
        QCOMPARE(picker(*frame, "dtpAppDate")->isEnabled(), enabled);
    }

    void checkRules_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("code");
        QTest::newRow("ownership") << "ownership"
                                   << "Не введен вид собственности" << 10;
        QTest::newRow("sign") << "sign"
                              << "Не введен признак налогоплательщика" << 11;
        QTest::newRow("postcode") << "postcode"
                                  << "Не введен почтовый индекс" << 2;
        QTest::newRow("region") << "region"
                                << "Не указан код региона" << 12;
        QTest::newRow("registration")
            << "early start"
            << "Год начала пользования льготой меньше даты регистрации прав собственности" << 5;
        QTest::newRow("act") << "early start, investment"
                             << "Год начала пользования льготой меньше даты акта о передаче" << 5;
    }

    void checkRules()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        QFETCH(int, code);
        FrameTestHost host;
        fillFlat(host.doc);
        mTConstructionDeduct& record = host.doc.PropertyDeduction;
        if (change == QLatin1String("ownership"))
            record.OwnershipKind = 0;
        else if (change == QLatin1String("sign"))
            record.OwnerSign = 0;
        else if (change == QLatin1String("postcode"))
            record.ObjPostIndex = QStringLiteral("  ");
        else if (change == QLatin1String("region"))
            record.ObjRegionCode.clear();
        else
            record.StartYearDate = DayCount::fromDate(2011, 1, 1);
        if (change.endsWith(QLatin1String("investment"))) {
            record.ByInvestment = 1;
            record.ActDate = DayCount::fromDate(2012, 3, 1);
        }
        auto frame = build(host);
        frame->StoreData();
        host.answers.answerCheck(TfmCheckError::Fix);
        QCOMPARE(frame->CheckData(), quint16(code));
        QCOMPARE(host.answers.checkMessages, QStringList{message});

        // Any other answer lets the user go on.
        host.answers.answerCheck(TfmCheckError::Skip);
        QCOMPARE(frame->CheckData(), quint16(0));
        QVERIFY(host.answers.finished());
    }

    void pensionerMovesTheLimits()
    {
        FrameTestHost host;
        fillFlat(host.doc);
        host.doc.PropertyDeduction.StartYearDate = DayCount::fromDate(2011, 1, 1);
        auto frame = build(host);
        frame->StoreData();
        host.answers.answerCheck(TfmCheckError::Fix);
        QCOMPARE(frame->CheckData(), quint16(5));

        click(*frame, "chbPensioner");
        frame->StoreData();
        QCOMPARE(host.doc.Pensioner, quint8(1));
        QCOMPARE(frame->CheckData(), quint16(0));

        QWidget* upDown = child<QWidget>(*frame, "updBeginningUsePrivilegeDate");
        for (int step = 0; step < 8; ++step)
            click(*upDown, "updBeginningUsePrivilegeDateUp");
        QCOMPARE(text(*frame, "meBeginningUsePrivilegeDate"), QStringLiteral("2016"));
        QCOMPARE(picker(*frame, "dtpRegRightDate")->maximumDate(), QDate(2016, 12, 31));
        click(*frame, "chbPensioner");
        QCOMPARE(text(*frame, "meBeginningUsePrivilegeDate"), QStringLiteral("2013"));
        QCOMPARE(picker(*frame, "dtpRegRightDate")->maximumDate(), QDate(2013, 12, 31));

        // Keys typed into the year do nothing.
        QTest::keyClicks(child<QLineEdit>(*frame, "meBeginningUsePrivilegeDate"),
                         QStringLiteral("1"));
        QCOMPARE(text(*frame, "meBeginningUsePrivilegeDate"), QStringLiteral("2013"));
        // The Up and Down keys step it as the arrows do, within the limits.
        auto* year = child<QLineEdit>(*frame, "meBeginningUsePrivilegeDate");
        QTest::keyClick(year, Qt::Key_Down);
        QCOMPARE(year->text(), QStringLiteral("2012"));
        QTest::keyClick(year, Qt::Key_Up);
        QTest::keyClick(year, Qt::Key_Up);
        QCOMPARE(year->text(), QStringLiteral("2013"));
    }

    void regionWithLeadingZero()
    {
        FrameTestHost host;
        fillFlat(host.doc);
        auto frame = build(host);
        host.answers.answerDialog(pick(QStringLiteral("07")));
        frame->FocusError(12);
        QCOMPARE(text(*frame, "pnlRegion"), QStringLiteral("07"));
        QCOMPARE(host.changes, 1);
        frame->StoreData();
        QCOMPARE(host.doc.PropertyDeduction.ObjRegionCode, QStringLiteral("07"));
        QVERIFY(!host.doc.PropertyDeduction.ObjRegionName.isEmpty());
        QCOMPARE(host.answers.dialogTitles, QStringList{QStringLiteral("Справочник регионов")});
        QVERIFY(host.answers.finished());
    }

    void pagesAndStoredAmounts()
    {
        FrameTestHost host;
        auto frame = build(host);
        click(*frame, "chbGrantingDeduct");
        QCOMPARE(host.changes, 1);
        QVERIFY(!child<QWidget>(*frame, "gbObject")->isHidden());
        QVERIFY(child<QWidget>(*frame, "gbSums")->isHidden());
        click(*frame, "bnNext");
        QVERIFY(child<QWidget>(*frame, "gbObject")->isHidden());
        QVERIFY(!child<QWidget>(*frame, "gbSums")->isHidden());
        type(*frame, "meObsch", QStringLiteral("2500000"));
        // A typed point is the decimal comma, as on the income screens.
        type(*frame, "meobschip", QStringLiteral("312000.45"));
        QCOMPARE(text(*frame, "meobschip"), QStringLiteral("312000,45"));
        type(*frame, "mePostYearsNA", QStringLiteral("13000"));
        type(*frame, "meVychIpNA", QStringLiteral("100"));
        click(*frame, "bnPrev");
        QVERIFY(child<QWidget>(*frame, "gbSums")->isHidden());
        frame->StoreData();
        const mTConstructionDeduct& record = host.doc.PropertyDeduction;
        QCOMPARE(record.ObjectCost, Money::fromRoubles(2500000));
        QCOMPARE(record.InterestPaid, Money::fromKopecks(31200045));
        QCOMPARE(record.PriorYearsAgentDeduction, Money::fromRoubles(13000));
        QCOMPARE(record.AgentInterest, Money::fromRoubles(100));
        QCOMPARE(record.Share, Money::fromRoubles(1));

        frame->FocusError(8);
        QVERIFY(!child<QWidget>(*frame, "gbSums")->isHidden());
        frame->FocusError(1);
        QVERIFY(!child<QWidget>(*frame, "gbObject")->isHidden());
    }
};

QTEST_MAIN(TestFrameConstructionDeduct)
#include "tst_frame_construction_deduct.moc"
