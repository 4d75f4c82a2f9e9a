// Tab goes through every section frame and entry dialog in the order a person reads it: down a
// column, along a row, then on to the next column; never back up or back left.
#include "model/file/DeclarationFile.h"
#include "support/FrameTestHost.h"
#include "support/TabOrder.h"
#include "ui/sections/business_income/FrameBusinessNew.h"
#include "ui/sections/business_income/InputBusinessIncome.h"
#include "ui/sections/conditions/FrameInitialData.h"
#include "ui/sections/deductions/ChildEduSum.h"
#include "ui/sections/deductions/FrameCB.h"
#include "ui/sections/deductions/FrameConstructionDeduct.h"
#include "ui/sections/deductions/FramePensDeduct.h"
#include "ui/sections/deductions/FrameStandartDeduct.h"
#include "ui/sections/deductions/InputSoursePens.h"
#include "ui/sections/foreign_income/FrameCurrency.h"
#include "ui/sections/foreign_income/InputCurrencySourseIncome.h"
#include "ui/sections/russian_income/FrameThirteenPercent.h"
#include "ui/sections/russian_income/FrameThirtyFivePercent.h"
#include "ui/sections/russian_income/FrameThirtyPercent.h"
#include "ui/sections/russian_income/Input13Income.h"
#include "ui/sections/russian_income/Input13SourseIncome.h"
#include "ui/sections/russian_income/Input30SourseIncome.h"
#include "ui/sections/russian_income/Input35SourseIncome.h"
#include "ui/sections/taxpayer/FramePersonAddress.h"
#include "ui/sections/taxpayer/FramePersonName.h"

#include <QTest>
#include <functional>
#include <memory>

namespace {

using Screen = std::function<std::unique_ptr<QWidget>(FrameTestHost&)>;

template <class T> Screen frame()
{
    return [](FrameTestHost& host) { return std::make_unique<T>(nullptr, host); };
}

template <class T> Screen dialog()
{
    return [](FrameTestHost& host) { return std::make_unique<T>(nullptr, host.answers); };
}

} // namespace

Q_DECLARE_METATYPE(Screen)

class TestTabOrder : public QObject
{
    Q_OBJECT

private slots:
    void readingOrder_data();
    void readingOrder();
};

void TestTabOrder::readingOrder_data()
{
    QTest::addColumn<QString>("declaration");
    QTest::addColumn<Screen>("screen");
    const QString salary = QStringLiteral("resident-salary");
    const QString business = QStringLiteral("entrepreneur");
    QTest::newRow("conditions") << salary << frame<TfrInitialData>();
    QTest::newRow("taxpayer") << salary << Screen([](FrameTestHost& host) {
        // With an identity document, so that its group takes typing too.
        host.doc.Person.DocKind = 21;
        host.doc.Person.DocKindName = QStringLiteral("Паспорт гражданина Российской Федерации");
        return std::make_unique<TfrPersonNaim>(nullptr, host);
    });
    QTest::newRow("address") << salary << frame<TfrPersonAddress>();
    QTest::newRow("13 %") << salary << frame<TfrThirteenPercent>();
    QTest::newRow("dividends") << salary << frame<TfrThirtyPercent>();
    QTest::newRow("35 %") << salary << frame<TfrThirtyFivePercent>();
    QTest::newRow("foreign income") << business << frame<TfrCurrency>();
    QTest::newRow("business") << business << frame<TfrBusinessNew>();
    QTest::newRow("standard deductions") << salary << frame<TfrFrameStandartDeduct>();
    QTest::newRow("social deductions") << salary << frame<TfrFramePensDeduct>();
    QTest::newRow("property deduction") << salary << frame<TfrConstructionDeduct>();
    QTest::newRow("securities") << salary << frame<TfrCB>();
    QTest::newRow("13 % line") << salary << Screen([](FrameTestHost& host) {
        return std::make_unique<TfmInput13Income>(nullptr, host.answers, true);
    });
    QTest::newRow("13 % source") << salary << Screen([](FrameTestHost& host) {
        return std::make_unique<TfmInput13SourseIncome>(nullptr, host.answers, true);
    });
    QTest::newRow("dividend source") << salary << dialog<TfmInput30SourseIncome>();
    QTest::newRow("35 % line") << salary << dialog<TfmInput35SourseIncome>();
    QTest::newRow("pension contract") << salary << dialog<TfmInputSoursePens>();
    QTest::newRow("foreign source") << business << frame<TfmInputCurrencySourseIncome>();
    QTest::newRow("activity") << business << frame<TfmInputBusinessIncome>();
    QTest::newRow("child education")
        << salary
        << Screen([](FrameTestHost&) { return std::make_unique<TfmChildEduSum>(nullptr); });
}

void TestTabOrder::readingOrder()
{
    QFETCH(QString, declaration);
    QFETCH(Screen, screen);
    FrameTestHost host;
    const QString file = QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/") + declaration +
                         QStringLiteral("/declaration.tv3");
    QVERIFY(!LoadDeclarationFile(host.doc, file).has_value());
    std::unique_ptr<QWidget> widget = screen(host);
    widget->resize(widget->sizeHint().expandedTo(QSize(600, 400)));
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    QVERIFY2(tabChain(*widget).size() > 1, "nothing to tab through");
    const QStringList faults = tabOrderFaults(*widget);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestTabOrder)
#include "tst_tab_order.moc"
