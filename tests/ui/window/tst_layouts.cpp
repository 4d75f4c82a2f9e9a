// Every screen at the standard window size: each section, sub-frame, dialog and picker of the main
// window, over a declaration with the longest names and the largest amounts, shows every control
// whole, at least at its minimum size, with every caption and value readable, also in a large
// font; the window keeps its size on every page. Every screen can be used with a screen reader
// and the keyboard. Run once more at a device pixel ratio of 2 (ctest: tst_layouts_scaled).
#include "model/Declaration.h"
#include "support/LayoutFaults.h"
#include "support/ScreenTour.h"
#include "support/UiTestSupport.h"
#include "ui/widgets/EntryFields.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTreeWidget>

namespace {

QString describe(const QRect& rect)
{
    return QStringLiteral("%1x%2 at (%3,%4)")
        .arg(rect.width())
        .arg(rect.height())
        .arg(rect.x())
        .arg(rect.y());
}

// A known fault of today's screens: a fault of this kind (the start of its text) on a widget of
// one of these names (separated by spaces) inside this frame or dialog.
struct KnownFault
{
    const char* frame;
    const char* widgets;
    const char* fault;

    // found is a line "widget path: what is wrong".
    bool excuses(const QString& found) const
    {
        const qsizetype colon = found.indexOf(QStringLiteral(": "));
        const QString path = QLatin1Char('/') + found.left(colon) + QLatin1Char('/');
        const QString widget = found.left(colon).section(QLatin1Char('/'), -1);
        return path.contains(QLatin1Char('/') + QLatin1String(frame) + QLatin1Char('/')) &&
               QString::fromLatin1(widgets).split(QLatin1Char(' ')).contains(widget) &&
               found.mid(colon + 2).startsWith(QString::fromUtf8(fault));
    }
};

// The section frames, their dialogs and the pickers are still to be made fit for a large font and
// for a screen reader; until each is, its faults of today are listed here and excused. Delete an
// entry once its fault is gone (the test says which entries no longer find anything). The main
// window, its own dialogs and the window "Расчёт налога" have no entry: they pass as they are.
const QList<KnownFault> kLargeTextFaults = {
    // Income at 13 %: an amount column of the income lines is cut without a tooltip.
    // Deductions: the sub-section buttons (widgets/SubFrameContainer) are squeezed and their
    // captions cut; the share of ownership's fields are too narrow for six digits.
    {"TfrConstructionDeduct", "meDol1 meDol2", "\""},
    {"TfrFrameDeductData", "fbCB fbConstructionDeduct fbPensDeduct fbStandartDeduct", "squeezed"},
    {"TfrFrameDeductData", "fbCB fbConstructionDeduct fbPensDeduct fbStandartDeduct", "\""},
};

const QList<KnownFault> kReaderFaults = {
    // Income in Russia (sections/russian_income): the lists of sources and of income lines without
    // names, the totals named only by their group boxes or passed by Tab, the entry dialogs' fields
    // without captions as buddies and their "..." without names.
    // Foreign income (sections/foreign_income): the list, the fields named by their group boxes,
    // the "..." buttons, the amounts in roubles Tab passes by; the source dialog's country.
    // Deductions (sections/deductions): the standard deductions' "?" choices, the children's
    // counts and their arrows, the months named only by their group box, the month combinations'
    // "----"; the property deduction's fields named by their group boxes, its "..." and its year
    // arrows; the social deductions' fields and lists; the child's education amount.
    {"TfrFrameStandartDeduct", "rbQ rbQ2", "named only \""},
    {"TfrFrameStandartDeduct",
     "UpDChildrens2Down UpDChildrens2Up UpDChildrens3Down UpDChildrens3Up UpDChildrensDown "
     "UpDChildrensUp meChildrens meChildrens2 meChildrens3",
     "no name"},
    {"TfrFrameStandartDeduct",
     "me1 me10 me11 me12 me2 me3 me4 me5 me6 me7 me8 me9 meR1 meR10 meR11 meR12 meR2 meR3 meR4 "
     "meR5 meR6 meR7 meR8 meR9",
     "named only by its group box"},
    {"TfmDif", "CB1 CB10 CB11 CB12 CB2 CB3 CB4 CB5 CB6 CB7 CB8 CB9", "named only \""},
    {"TfrConstructionDeduct",
     "dtpRegRightDate meArea meBuilding meCity meDistrict meDol1 meDol2 meFlat meHouse meObsch "
     "mePostIndex mePostYears mePostYearsIp mePostYearsIpNA mePostYearsNA meStreet "
     "meTransferringChargeSum meTransferringCreditSum meVychIpNA meVychNA meobschip",
     "named only by its group box"},
    {"TfrConstructionDeduct", "bnRegion", "named only \""},
    {"TfrFramePensDeduct",
     "chbGrantingSocDeduct meCharitySum meExpensiveMedicalSum meMedicalSum meSelfEducationSum "
     "meStrahovka meStrahovka2",
     "named only by its group box"},
    {"TfmChildEduSum", "meChildEduSum", "no name"},
    // The pickers (pickers/): their lists have no names; the tax-office import's file field and its
    // "...".
};

// The known faults that excused a fault in this run, and the tours that ran with known faults.
QSet<const KnownFault*> g_excused;
int g_toursExcusing = 0;

struct TourFindings
{
    QStringList visited;
    QStringList faults;
    QStringList checkMessages;
    QStringList unexpected;
};

TourFindings tourOf(const QString& formName, int form,
                    const std::function<QStringList(QWidget&)>& inspect,
                    const QList<KnownFault>& known)
{
    TourFindings found;
    g_toursExcusing += known.isEmpty() ? 0 : 1;
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
        for (const QString& fault : std::as_const(faults)) {
            bool excused = false;
            for (const KnownFault& entry : known) {
                if (entry.excuses(fault)) {
                    g_excused.insert(&entry);
                    excused = true;
                }
            }
            if (!excused)
                found.faults.append(name + QStringLiteral(": ") + fault);
        }
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
    void cleanupTestCase();

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

void TestLayouts::cleanupTestCase()
{
    // Only a run of every form of the tests with known faults can tell that one is gone.
    if (g_toursExcusing < 6)
        return;
    for (const QList<KnownFault>* list : {&kLargeTextFaults, &kReaderFaults}) {
        for (const KnownFault& entry : *list) {
            if (!g_excused.contains(&entry))
                qInfo("known fault no longer found, delete its entry: %s %s %s", entry.frame,
                      entry.widgets, entry.fault);
        }
    }
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
    QLineEdit* amount = EntryFields::amount(box, QStringLiteral("meAmount"));
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
        inside->addWidget(EntryFields::text(group, QStringLiteral("meInGroup"), 10));
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
    expectClean(tourOf(formName, form, layoutFaults, {}), screens);
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
        tourOf(QString::fromLatin1(QTest::currentDataTag()), form, layoutFaults, kLargeTextFaults);
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
    expectClean(
        tourOf(QString::fromLatin1(QTest::currentDataTag()), form, accessFaults, kReaderFaults),
        {});
}

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
