#include "support/FrameTestHost.h"
#include "ui/sections/deductions/Dif.h"
#include "ui/sections/deductions/FrameStandartDeduct.h"
#include "ui/widgets/MonthNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <memory>

namespace {

const char* const kFirstRow[12] = {"meJan", "meFeb", "meMar", "meApr", "meMay", "meJun",
                                   "meJul", "meAug", "meSep", "meOct", "meNov", "meDec"};

bool checked(const QObject& frame, const char* name)
{
    return child<QAbstractButton>(frame, name)->isChecked();
}

} // namespace

class TestFrameStandartDeduct : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TfrFrameStandartDeduct> build(FrameTestHost& host)
    {
        return std::make_unique<TfrFrameStandartDeduct>(nullptr, host);
    }

private slots:
    void newDeclarationDefaults()
    {
        FrameTestHost host;
        auto frame = build(host);
        QVERIFY(checked(*frame, "chbGrantingStanDeduct"));
        QVERIFY(checked(*frame, "rb103"));
        QVERIFY(checked(*frame, "rbTowParents"));
        for (const char* box : {"chbConstChildrens", "chbConstChildrens2", "chbConstChildrens3"})
            QVERIFY(checked(*frame, box));
        QCOMPARE(text(*frame, "meChildrens"), QStringLiteral("0"));
        for (const char* month : kFirstRow) {
            QCOMPARE(text(*frame, month), QStringLiteral("0"));
            QVERIFY(!child<QLineEdit>(*frame, month)->isEnabled());
        }
        QCOMPARE(host.changes, 0);

        host.doc.StandardDeduction.PersonalCode = 0;
        frame->StoreData();
        const mTStandartDeduct& record = host.doc.StandardDeduction;
        QCOMPARE(record.PersonalCode, 103);
        QCOMPARE(record.ChildrenKind, 101);
        for (const auto* group : {&record.Children, &record.Third, &record.Disabled}) {
            QCOMPARE(group->Constant, quint8(1));
            QCOMPARE(group->Count, 0);
        }
        QCOMPARE(frame->CheckData(), quint16(0));
    }

    void constantNumberFillsTheMonths()
    {
        FrameTestHost host;
        auto frame = build(host);
        type(*frame, "meChildrens", QStringLiteral("2"));
        for (const char* month : kFirstRow) {
            QCOMPARE(text(*frame, month), QStringLiteral("2"));
            QVERIFY(!child<QLineEdit>(*frame, month)->isEnabled());
        }
        frame->StoreData();
        QCOMPARE(host.doc.StandardDeduction.Children.Constant, quint8(1));
        QCOMPARE(host.doc.StandardDeduction.Children.Count, 2);

        frame = build(host);
        QCOMPARE(text(*frame, "meChildrens"), QStringLiteral("2"));
        QCOMPARE(text(*frame, "meJun"), QStringLiteral("2"));
    }

    void upDownStaysInItsRange()
    {
        FrameTestHost host;
        auto frame = build(host);
        QWidget* upDown = child<QWidget>(*frame, "UpDChildrens");
        for (int step = 0; step < 4; ++step)
            click(*upDown, "UpDChildrensUp");
        QCOMPARE(text(*frame, "meChildrens"), QStringLiteral("2"));
        QCOMPARE(text(*frame, "meDec"), QStringLiteral("2"));

        // Unbound from the number field once the number is given month by month.
        click(*frame, "chbConstChildrens");
        QVERIFY(child<QLineEdit>(*frame, "meDec")->isEnabled());
        QVERIFY(!child<QLineEdit>(*frame, "meChildrens")->isEnabled());
        click(*upDown, "UpDChildrensDown");
        QCOMPARE(text(*frame, "meChildrens"), QStringLiteral("2"));
    }

    void monthlyNumbers_data()
    {
        QTest::addColumn<QStringList>("months");
        QTest::addColumn<int>("previousCount");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("march");

        const QStringList empty(12, QString());
        QStringList rising = empty;
        rising[0] = QStringLiteral("1");
        rising[5] = QStringLiteral("2");
        rising[8] = QStringLiteral("1");
        QTest::newRow("January then more") << rising << 5 << 2 << 0;
        QStringList noJanuary = empty;
        noJanuary[2] = QStringLiteral("1");
        QTest::newRow("January empty keeps a larger number") << noJanuary << 2 << 2 << 1;
        QTest::newRow("all empty") << empty << 0 << 0 << 0;
    }

    void monthlyNumbers()
    {
        QFETCH(QStringList, months);
        QFETCH(int, previousCount);
        QFETCH(int, count);
        QFETCH(int, march);

        FrameTestHost host;
        host.doc.StandardDeduction.Children.Count = previousCount;
        auto frame = build(host);
        click(*frame, "chbConstChildrens");
        for (int month = 0; month < 12; ++month)
            type(*frame, kFirstRow[month], months[month]);
        frame->StoreData();
        const mTStandartDeduct::ChildrenGroup& group = host.doc.StandardDeduction.Children;
        QCOMPARE(group.Constant, quint8(0));
        QCOMPARE(group.Count, count);
        QCOMPARE(group.ByMonth[2], march);
    }

    void clearedClaimStoresOnlyTheFlag()
    {
        FrameTestHost host;
        mTStandartDeduct& record = host.doc.StandardDeduction;
        record.PersonalCode = 105;
        record.ChildrenKind = 102;
        record.Children.SetCount(2);
        auto frame = build(host);
        QVERIFY(checked(*frame, "rb105"));
        click(*frame, "chbGrantingStanDeduct");
        QCOMPARE(host.changes, 1);
        QVERIFY(!child<QWidget>(*frame, "rb105")->isEnabled());
        QVERIFY(text(*frame, "meChildrens").isEmpty());
        frame->StoreData();
        QCOMPARE(record.StdEnabled, quint8(0));
        QCOMPARE(record.PersonalCode, 105);
        QCOMPARE(record.Children.Count, 2);

        frame = build(host);
        QVERIFY(!checked(*frame, "chbGrantingStanDeduct"));
        QVERIFY(checked(*frame, "rb103"));
        QVERIFY(checked(*frame, "rbTowParents"));
        QVERIFY(text(*frame, "meChildrens").isEmpty());
        click(*frame, "chbGrantingStanDeduct");
        frame->StoreData();
        QCOMPARE(record.StdEnabled, quint8(1));
        QCOMPARE(record.PersonalCode, 103);
        QCOMPARE(record.ChildrenKind, 101);
        QCOMPARE(record.Children.Constant, quint8(0));
        QCOMPARE(record.Children.ByMonth, (std::array<qint32, 12>{}));
    }

    void monthlyIncomeNeedsBusinessIncome()
    {
        FrameTestHost host;
        host.doc.StandardDeduction.SetMonthIncome(4, Money::fromRoubles(100));
        auto frame = build(host);
        QVERIFY(!child<QWidget>(*frame, "me4")->isEnabled());
        QVERIFY(!child<QWidget>(*frame, "cbApr")->isEnabled());
        frame->StoreData();
        QCOMPARE(host.doc.StandardDeduction.GetMonthIncome(4), Money());
        QCOMPARE(host.doc.StandardDeduction.MonthlyIncomeMode, quint8(0));
    }

    void typedAmountMarksItsMonth()
    {
        FrameTestHost host;
        host.doc.SetIncomeKinds(IncomeKind::Country | IncomeKind::Business);
        auto frame = build(host);
        QVERIFY(child<QWidget>(*frame, "meR3")->isEnabled());
        type(*frame, "meR3", QStringLiteral("1500,5"));
        type(*frame, "me3", QStringLiteral("9000"));
        QVERIFY(checked(*frame, "cbMar"));
        frame->StoreData();
        const mTStandartDeduct& record = host.doc.StandardDeduction;
        QCOMPARE(record.GetMonthExpense(3), Money::fromKopecks(150050));
        QCOMPARE(record.MonthMarks[2], quint8(1));
        QCOMPARE(record.MonthlyIncomeMode, quint8(1));

        click(*frame, "cbMar");
        QVERIFY(text(*frame, "me3").isEmpty());
        QVERIFY(text(*frame, "meR3").isEmpty());
        frame->StoreData();
        QCOMPARE(record.GetMonthIncome(3), Money());
        QCOMPARE(record.MonthlyIncomeMode, quint8(0));

        // Amounts come back on the next build, a zero stays empty.
        host.doc.StandardDeduction.SetMonthIncome(5, Money::fromRoubles(7));
        host.doc.StandardDeduction.MonthMarks[4] = 1;
        frame = build(host);
        QCOMPARE(text(*frame, "me5"), QStringLiteral("7"));
        QVERIFY(text(*frame, "meR5").isEmpty());
        QVERIFY(checked(*frame, "cbMay"));
    }

    // Each month's caption stands over its three fields, whole, at the usual font and at a large
    // one.
    void monthCaptionsHeadTheirColumns_data()
    {
        QTest::addColumn<int>("points");
        QTest::newRow("usual font") << 0;
        QTest::newRow("14 pt") << 14;
    }

    void monthCaptionsHeadTheirColumns()
    {
        QFETCH(int, points);
        const QFont usual = QApplication::font();
        QFont large = usual;
        if (points > 0)
            large.setPointSize(points);
        QApplication::setFont(large);
        FrameTestHost host;
        auto frame = build(host);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        const auto* panel = child<QWidget>(*frame, "pnlChildren");
        for (int month = 0; month < 12; ++month) {
            QLabel* caption = nullptr;
            for (QLabel* label : panel->findChildren<QLabel*>()) {
                if (label->text() == MonthName(month))
                    caption = label;
            }
            QVERIFY(caption != nullptr);
            QVERIFY(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()));
            const QRect over = caption->geometry();
            for (const char* suffix : {"", "3", "2"}) {
                const QString name =
                    QString::fromLatin1(kFirstRow[month]) + QString::fromLatin1(suffix);
                const QRect field = child<QWidget>(*panel, qPrintable(name))->geometry();
                QVERIFY2(over.bottom() < field.top(), qPrintable(name));
                QVERIFY2(over.left() <= field.center().x() && field.center().x() <= over.right(),
                         qPrintable(name));
            }
        }
        QApplication::setFont(usual);
    }

    void personalCodeByMonth()
    {
        FrameTestHost host;
        mTStandartDeduct& record = host.doc.StandardDeduction;
        record.SetPersonalByMonth(2, 2);
        auto frame = build(host);

        int shownFebruary = -1;
        host.answers.answerDialog([&](QDialog& dialog) {
            shownFebruary = child<QComboBox>(dialog, "CB2")->currentIndex();
            child<QComboBox>(dialog, "CB2")->setCurrentIndex(0);
            return int(QDialog::Rejected);
        });
        click(*frame, "rbQ");
        QCOMPARE(shownFebruary, 2);
        QCOMPARE(record.GetPersonalByMonth(2), 2);
        QCOMPARE(record.PersonalByMonthOn, quint8(0));
        QVERIFY(checked(*frame, "rbQ"));

        host.answers.answerDialog([](QDialog& dialog) {
            child<QComboBox>(dialog, "CB1")->setCurrentIndex(1);
            child<QComboBox>(dialog, "CB12")->setCurrentIndex(2);
            click(dialog, "btnYes");
            return dialog.result();
        });
        click(*frame, "rbQ");
        QCOMPARE(record.GetPersonalByMonth(1), 1);
        QCOMPARE(record.GetPersonalByMonth(12), 2);
        QCOMPARE(record.PersonalByMonthOn, quint8(1));
        frame->StoreData();
        QCOMPARE(record.PersonalCode, 110);
        QCOMPARE(host.answers.dialogTitles.constLast(),
                 QStringLiteral("Комбинация стандартных вычетов"));
        QVERIFY(host.answers.finished());
    }

    void childrenKindByMonth()
    {
        FrameTestHost host;
        mTStandartDeduct& record = host.doc.StandardDeduction;
        auto frame = build(host);
        QString shown;
        host.answers.answerDialog([&shown](QDialog& dialog) {
            shown = child<QComboBox>(dialog, "CB7")->currentText();
            child<QComboBox>(dialog, "CB7")->setCurrentIndex(1);
            dialog.show();
            QTest::keyClick(&dialog, Qt::Key_Return);
            return dialog.result();
        });
        click(*frame, "rbQ2");
        QCOMPARE(shown, QStringLiteral("да"));
        QCOMPARE(record.GetChildrenKindByMonth(7), 1);
        QCOMPARE(record.ChildrenKindByMonthOn, quint8(1));
        frame->StoreData();
        QCOMPARE(record.ChildrenKind, 103);

        // Loading a by-month choice asks nothing.
        frame = build(host);
        QVERIFY(checked(*frame, "rbQ2"));
        QVERIFY(host.answers.finished());
    }
};

QTEST_MAIN(TestFrameStandartDeduct)
#include "tst_frame_standart_deduct.moc"
