// Every screen at the standard window size: each section, sub-frame, dialog and picker of the main
// window, over a declaration with the longest names and the largest amounts, shows every control
// whole, at least at its minimum size, with every caption and value readable.
#include "model/Declaration.h"
#include "support/LayoutFaults.h"
#include "support/ScreenTour.h"
#include "support/UiTestSupport.h"
#include "ui/widgets/EntryFields.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// Every screen fits the standard window size but one: the standard deductions, with twelve months
// of income and expenses at four amounts to a row. For it the window grows, within the work area
// of a 1024 x 768 screen.
QSize largestWindow(const TFormMain& window)
{
    const auto* standard = window.findChild<QWidget*>(QStringLiteral("TfrFrameStandartDeduct"));
    return standard != nullptr && standard->isVisible() ? QSize(1024, 728) : QSize(800, 571);
}

} // namespace

class TestLayouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void faultsFound_data();
    void faultsFound();
    void everyScreenFits_data();
    void everyScreenFits();

private:
    QTemporaryDir m_settings;
};

void TestLayouts::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestLayouts::init()
{
    UiTestBench::clearSettings();
}

// The inspection finds each kind of fault, and names the widget.
void TestLayouts::faultsFound_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << 0 << QString();
    QTest::newRow("outside") << 1 << QStringLiteral("screen/box/fbOutside: lies outside");
    QTest::newRow("squeezed") << 2 << QStringLiteral("screen/box/chbSqueezed: squeezed");
    QTest::newRow("caption cut") << 3 << QStringLiteral("screen/box/lbCut: \"Собственник");
    QTest::newRow("amount narrow") << 4 << QStringLiteral("screen/box/meAmount: \"15 digits\"");
    QTest::newRow("list cell cut") << 5 << QStringLiteral("screen/box/lvList: row 0 column 1");
}

void TestLayouts::faultsFound()
{
    QFETCH(int, fault);
    QFETCH(QString, expected);
    QWidget screen;
    screen.setObjectName(QStringLiteral("screen"));
    auto* box = new QWidget(&screen);
    box->setObjectName(QStringLiteral("box"));
    auto* layout = new QHBoxLayout(box);
    auto* label = new QLabel(QStringLiteral("Собственник объекта"), box);
    label->setObjectName(QStringLiteral("lbCut"));
    layout->addWidget(label);
    QLineEdit* amount = EntryFields::amount(box, QStringLiteral("meAmount"));
    layout->addWidget(amount);
    auto* list = new QTreeWidget(box);
    list->setObjectName(QStringLiteral("lvList"));
    list->setHeaderLabels({QStringLiteral("Код"), QStringLiteral("Имя")});
    auto* row = new QTreeWidgetItem(list, {QStringLiteral("1"), QStringLiteral("Имя")});
    layout->addWidget(list);
    screen.resize(900, 300);
    box->resize(900, 300);
    switch (fault) {
    case 1: {
        auto* button = new QPushButton(QStringLiteral("Да"), box);
        button->setObjectName(QStringLiteral("fbOutside"));
        button->setGeometry(880, 10, 80, 30);
        break;
    }
    case 2: {
        auto* check = new QCheckBox(QStringLiteral("Пенсионер"), box);
        check->setObjectName(QStringLiteral("chbSqueezed"));
        check->setGeometry(0, 250, 100, 5);
        break;
    }
    case 3:
        label->setMaximumWidth(40);
        break;
    case 4:
        amount->setFixedWidth(64);
        break;
    case 5:
        row->setText(1, QString(200, QLatin1Char('W')));
        break;
    }
    screen.show();
    settle();
    const QStringList faults = layoutFaults(screen);
    if (expected.isEmpty()) {
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    } else {
        QVERIFY2(faults.size() == 1 && faults.constFirst().startsWith(expected),
                 qPrintable(faults.join(QLatin1Char('\n'))));
    }
    // A tooltip with the whole text makes a cut text readable.
    if (fault == 3 || fault == 5) {
        label->setToolTip(label->text());
        row->setToolTip(1, row->text(1));
        QVERIFY2(layoutFaults(screen).isEmpty(),
                 qPrintable(layoutFaults(screen).join(QLatin1Char('\n'))));
    }
}

void TestLayouts::everyScreenFits_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("screens");
    QTest::newRow("resident")
        << int(DeclarationForm::Resident)
        << QStringList{QStringLiteral("resident-fbInitialData-bnInspection"),
                       QStringLiteral("resident-fbInitialData-bnInspection-btnLoadSoun"),
                       QStringLiteral("resident-fbPrsonInfo-fbPersonAddress-bnRegion"),
                       QStringLiteral("resident-fbRussianIncome-fbEditIncome-bnIncomeCod"),
                       QStringLiteral("resident-fbRussianIncome-FlashButton2-fbEditSourseIncome"),
                       QStringLiteral("resident-fbRussianIncome-FlashButton3-fbEditSourseIncome"),
                       QStringLiteral("resident-fbForeignIncome-fbEditSourseIncome-Button1"),
                       QStringLiteral("resident-fbBusinessIncome-fbEditSourseIncome-bnIncomeCod"),
                       QStringLiteral("resident-fbDeduction-rbQ2"),
                       QStringLiteral("resident-fbDeduction-fbConstructionDeduct-bnNext"),
                       QStringLiteral("resident-fbDeduction-fbPensDeduct-fbEditPens"),
                       QStringLiteral("resident-fbDeduction-fbCB"),
                       QStringLiteral("resident-About"),
                       QStringLiteral("resident-CheckError-check"),
                       QStringLiteral("resident-CheckAllError")};
    QTest::newRow("nonresident") << int(DeclarationForm::NonResident)
                                 << QStringList{QStringLiteral(
                                        "nonresident-fbRussianIncome-FlashButton6-fbEditIncome")};
    QTest::newRow("estimated") << int(DeclarationForm::EstimatedIncome)
                               << QStringList{QStringLiteral("estimated-fbInitialData"),
                                              QStringLiteral("estimated-fbPrsonInfo")};
}

void TestLayouts::everyScreenFits()
{
    QFETCH(int, form);
    QFETCH(QStringList, screens);
    UiTestBench bench(UiTestBench::shippedDirectories());
    TFormMain& window = bench.start({bench.writeDeclaration(
        QStringLiteral("crowded.tv3"), ScreenTour::crowdedDeclaration(quint8(form)))});
    window.resize(800, 571);
    window.show();
    settle();
    QCOMPARE(window.size(), QSize(800, 571));

    QStringList visited;
    QStringList faults;
    ScreenTour tour(window, bench.script(), QString::fromLatin1(QTest::currentDataTag()),
                    [&](const QString& name, QWidget& screen) {
                        visited.append(name);
                        const QSize largest = largestWindow(window);
                        if (&screen == &window && (window.minimumWidth() > largest.width() ||
                                                   window.minimumHeight() > largest.height()))
                            faults.append(QStringLiteral("%1: the window needs %2x%3")
                                              .arg(name)
                                              .arg(window.minimumWidth())
                                              .arg(window.minimumHeight()));
                        for (const QString& fault : layoutFaults(screen))
                            faults.append(name + QStringLiteral(": ") + fault);
                    });
    tour.run();
    for (const QString& fault : faults)
        qWarning().noquote() << fault;
    QVERIFY2(faults.isEmpty(), "faults on the screens, listed above");
    for (const QString& screen : screens)
        QVERIFY2(visited.contains(screen), qPrintable(screen + QStringLiteral(" not visited in\n") +
                                                      visited.join(QLatin1Char('\n'))));
    QCOMPARE(tour.checkMessages, QStringList());
    QVERIFY2(bench.script().unexpected.isEmpty(),
             qPrintable(bench.script().unexpected.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
