// Every screen at the standard window size: each section, sub-frame, dialog and picker of the main
// window, over a declaration with the longest names and the largest amounts, shows every control
// whole, at least at its minimum size, with every caption and value readable, also in a large
// font; the window keeps its size on every page. Every screen can be used with a screen reader
// and the keyboard. Run once more at a device pixel ratio of 2 (ctest: tst_layouts_scaled).
#include "model/Declaration.h"
#include "support/LayoutFaults.h"
#include "support/ScreenTour.h"
#include "support/UiTestSupport.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/EntryFields.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

namespace {

struct TourFindings
{
    QStringList visited;
    QStringList faults;
    QStringList checkMessages;
    QStringList unexpected;
};

TourFindings tourOf(const QString& formName, int form,
                    const std::function<QStringList(QWidget&)>& inspect)
{
    TourFindings found;
    UiTestBench bench(UiTestBench::shippedDirectories());
    TFormMain& window = bench.start({bench.writeDeclaration(
        QStringLiteral("crowded.tv3"), ScreenTour::crowdedDeclaration(quint8(form)))});
    const QSize standard = window.standardMinimum();
    window.resize(standard);
    window.show();
    settle();
    ScreenTour tour(window, bench.script(), formName, [&](const QString& name, QWidget& screen) {
        found.visited.append(name);
        QStringList faults = inspect(screen);
        const QRect available = screen.screen()->availableGeometry();
        if (!available.contains(screen.frameGeometry()))
            faults.append(QStringLiteral("%1 lies beyond the screen's work area %2")
                              .arg(describe(screen.frameGeometry()), describe(available)));
        if (&screen == &window && window.size() != standard)
            faults.append(QStringLiteral("the window grew to %1x%2")
                              .arg(window.width())
                              .arg(window.height()));
        for (const QString& fault : std::as_const(faults))
            found.faults.append(name + QStringLiteral(": ") + fault);
    });
    tour.run();
    found.checkMessages = tour.checkMessages;
    found.unexpected = bench.script().unexpected;
    return found;
}

void expectClean(const TourFindings& found, const QStringList& screens)
{
    for (const QString& fault : found.faults)
        qWarning().noquote() << fault;
    QVERIFY2(found.faults.isEmpty(), "faults on the screens, listed above");
    for (const QString& screen : screens)
        QVERIFY2(found.visited.contains(screen),
                 qPrintable(screen + QStringLiteral(" not visited in\n") +
                            found.visited.join(QLatin1Char('\n'))));
    QCOMPARE(found.checkMessages, QStringList());
    QVERIFY2(found.unexpected.isEmpty(), qPrintable(found.unexpected.join(QLatin1Char('\n'))));
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
    void largeTextFits_data();
    void largeTextFits();
    void everyScreenReadable_data();
    void everyScreenReadable();

private:
    QTemporaryDir m_settings;
};

void TestLayouts::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
    // The screen is the one asked for: 1280 x 1024, in the scaled run (tst_layouts_scaled) at a
    // ratio of 2.
    const QScreen* screen = QGuiApplication::primaryScreen();
    QCOMPARE(screen->size(), QSize(1280, 1024));
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(screen->devicePixelRatio(), 2.0);
}

void TestLayouts::init()
{
    UiTestBench::clearSettings();
}

// Each inspection finds each kind of fault, and names the widget.
void TestLayouts::faultsFound_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << 0 << QString();
    QTest::newRow("outside") << 1 << QStringLiteral("screen/box/fbOutside: lies outside");
    QTest::newRow("squeezed") << 2 << QStringLiteral("screen/box/chbSqueezed: squeezed");
    QTest::newRow("caption cut") << 3 << QStringLiteral("screen/box/lbCut: \"&Собственник");
    QTest::newRow("amount narrow") << 4 << QStringLiteral("screen/box/meAmount: \"15 digits\"");
    QTest::newRow("list cell cut") << 5 << QStringLiteral("screen/box/lvList: row 0 column 1");
    QTest::newRow("no name") << 6 << QStringLiteral("screen/box/bnPick: named only \"...\"");
    QTest::newRow("group's name")
        << 7 << QStringLiteral("screen/box/gbGroup/meInGroup: named only by its group box");
    QTest::newRow("list's name") << 8 << QStringLiteral("screen/box/lvList: list without a name");
    QTest::newRow("letter twice")
        << 9 << QStringLiteral("screen/box/chbTwice: Alt+С also belongs to screen/box/lbCut");
    QTest::newRow("figure passed by")
        << 10 << QStringLiteral("screen/box/pnlFigure: figure \"125 580\" not reached");
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
    auto* label = new QLabel(QStringLiteral("&Собственник объекта"), box);
    label->setObjectName(QStringLiteral("lbCut"));
    layout->addWidget(label);
    auto* amount = new AmountField(box, QStringLiteral("meAmount"), Amount::Kopecks);
    label->setBuddy(amount);
    layout->addWidget(amount);
    auto* list = new QTreeWidget(box);
    list->setObjectName(QStringLiteral("lvList"));
    list->setAccessibleName(QStringLiteral("Список"));
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
    case 6:
        layout->addWidget(EntryFields::pickerButton(box, "bnPick"));
        break;
    case 7: {
        auto* group = new QGroupBox(QStringLiteral("Адрес"), box);
        group->setObjectName(QStringLiteral("gbGroup"));
        auto* inside = new QHBoxLayout(group);
        inside->addWidget(
            EntryFields::text(group, QStringLiteral("meInGroup"), TextLength::HouseNumber));
        layout->addWidget(group);
        break;
    }
    case 8:
        list->setAccessibleName(QString());
        break;
    case 9: {
        auto* twice = new QCheckBox(QStringLiteral("&Студент"), box);
        twice->setObjectName(QStringLiteral("chbTwice"));
        layout->addWidget(twice);
        break;
    }
    case 10: {
        // A read-only figure that Tab passes by: its name is never heard.
        auto* figure = new QLineEdit(QStringLiteral("125 580"), box);
        figure->setObjectName(QStringLiteral("pnlFigure"));
        figure->setReadOnly(true);
        figure->setFocusPolicy(Qt::ClickFocus);
        figure->setAccessibleName(QStringLiteral("Итого"));
        layout->addWidget(figure);
        break;
    }
    }
    screen.show();
    settle();
    const QStringList faults = fault <= 5 ? layoutFaults(screen) : accessFaults(screen);
    if (expected.isEmpty()) {
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QVERIFY2(accessFaults(screen).isEmpty(),
                 qPrintable(accessFaults(screen).join(QLatin1Char('\n'))));
    } else {
        QVERIFY2(faults.size() == 1 && faults.constFirst().startsWith(expected),
                 qPrintable(faults.join(QLatin1Char('\n'))));
    }
    // A tooltip with the whole text makes a cut text readable; a figure is read with a field that
    // Tab reaches when the field tells it.
    if (fault == 3 || fault == 5) {
        label->setToolTip(label->text());
        row->setToolTip(1, row->text(1));
        QVERIFY2(layoutFaults(screen).isEmpty(),
                 qPrintable(layoutFaults(screen).join(QLatin1Char('\n'))));
    } else if (fault == 10) {
        amount->setAccessibleDescription(QStringLiteral("Итого 125 580"));
        QVERIFY2(accessFaults(screen).isEmpty(),
                 qPrintable(accessFaults(screen).join(QLatin1Char('\n'))));
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
                       QStringLiteral("resident-TaxResult"),
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
    const QString formName = QString::fromLatin1(QTest::currentDataTag());
    expectClean(tourOf(formName, form, layoutFaults), screens);
}

// The same screens in a large font: 14 points instead of the usual 9 or 10.
void TestLayouts::largeTextFits_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("resident") << int(DeclarationForm::Resident);
    QTest::newRow("nonresident") << int(DeclarationForm::NonResident);
    QTest::newRow("estimated") << int(DeclarationForm::EstimatedIncome);
}

void TestLayouts::largeTextFits()
{
    QFETCH(int, form);
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPointSize(14);
    QApplication::setFont(large);
    const TourFindings found =
        tourOf(QString::fromLatin1(QTest::currentDataTag()), form, layoutFaults);
    QApplication::setFont(usual);
    expectClean(found, {});
}

// On every screen a screen reader names each control that Tab reaches and each list, a figure is
// read by Tab or with its field, and no two controls of a window answer to the same Alt+letter.
void TestLayouts::everyScreenReadable_data()
{
    largeTextFits_data();
}

void TestLayouts::everyScreenReadable()
{
    QFETCH(int, form);
    expectClean(tourOf(QString::fromLatin1(QTest::currentDataTag()), form, accessFaults), {});
}

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
