// The sub-section buttons of a section made of sub-frames, and the up-down arrows beside a number,
// as a keyboard and a screen reader use them.
#include "support/FrameTestHost.h"
#include "ui/widgets/SubFrameContainer.h"
#include "ui/widgets/UpDown.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A sub-frame whose first Tab stop is a button, and whose check counts its runs.
class CountedFrame : public TThinkingFrame
{
public:
    CountedFrame(QWidget* parent, FrameHost& host, int& checks, quint16 code)
        : TThinkingFrame(parent, host), m_checks(checks), m_code(code)
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QPushButton(QStringLiteral("Добавить"), this));
        field = new QLineEdit(this);
        layout->addWidget(field);
    }

    void StoreData() override {}
    quint16 CheckData() override
    {
        ++m_checks;
        return m_code;
    }
    void FocusError(quint16) override {}

    QLineEdit* field;

private:
    int& m_checks;
    quint16 m_code;
};

// Three sub-sections; the check of the one shown returns failCode.
class ThreeParts : public TSubFrameContainer
{
public:
    ThreeParts(FrameHost& host, quint16 failCode)
        : TSubFrameContainer(nullptr, host, QStringLiteral("container")), m_failCode(failCode)
    {
        for (int index = 0; index < 3; ++index)
            addButton(index, QStringLiteral("fbPart%1").arg(index),
                      QStringLiteral("Часть %1").arg(index), QString());
        showSubFrame(0);
    }

    int checks = 0;

protected:
    TThinkingFrame* createSubFrame(int, QWidget* parent) override
    {
        return new CountedFrame(parent, host(), checks, m_failCode);
    }

private:
    quint16 m_failCode;
};

QAbstractButton* part(QWidget& frame, int index)
{
    return child<QAbstractButton>(frame,
                                  QStringLiteral("fbPart%1").arg(index).toLatin1().constData());
}

void showActive(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
}

} // namespace

class TestSubFrames : public QObject
{
    Q_OBJECT

private slots:
    void pressGoesIntoTheSubFrame_data();
    void pressGoesIntoTheSubFrame();
    void arrowsOnlyMoveAlongTheButtons();
    void screenReaderPressesAButton();
    void upDownArrowsAreNamedAndKeysStep();
};

void TestSubFrames::pressGoesIntoTheSubFrame_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Space") << true;
    QTest::newRow("click") << false;
}

// After a press the focus is in the first field of the sub-frame shown, so what is typed next goes
// there and a second Space does not press the button again.
void TestSubFrames::pressGoesIntoTheSubFrame()
{
    QFETCH(bool, byKey);
    FrameTestHost host;
    ThreeParts frame(host, 0);
    showActive(frame);
    QAbstractButton* second = part(frame, 1);
    second->setFocus(Qt::TabFocusReason);
    if (byKey)
        QTest::keyClick(second, Qt::Key_Space);
    else
        QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(frame.shownIndex(), 1);
    QCOMPARE(frame.checks, 1);
    auto* shown = static_cast<CountedFrame*>(frame.shownFrame());
    QCOMPARE(QApplication::focusWidget(), shown->field);
    typeKeys(QApplication::focusWidget(), QStringLiteral("12"));
    QCOMPARE(shown->field->text(), QStringLiteral("12"));
}

// Passing the buttons with the arrow keys switches nothing and checks nothing, even where the
// sub-frame shown would not let the switch go.
void TestSubFrames::arrowsOnlyMoveAlongTheButtons()
{
    FrameTestHost host;
    ThreeParts frame(host, 7);
    showActive(frame);
    part(frame, 0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), part(frame, 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), part(frame, 2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), part(frame, 2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), part(frame, 1));
    QCOMPARE(frame.shownIndex(), 0);
    QVERIFY(part(frame, 0)->isChecked());
    QCOMPARE(frame.checks, 0);
    // A press still checks the sub-frame shown, which keeps it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(frame.checks, 1);
    QCOMPARE(frame.shownIndex(), 0);
    QVERIFY(part(frame, 0)->isChecked());
}

// A screen reader hears a button, pressed while its sub-frame is shown, whose action switches as a
// click does.
void TestSubFrames::screenReaderPressesAButton()
{
    FrameTestHost host;
    ThreeParts frame(host, 0);
    QAccessibleInterface* first = QAccessible::queryAccessibleInterface(part(frame, 0));
    QAccessibleInterface* third = QAccessible::queryAccessibleInterface(part(frame, 2));
    QCOMPARE(third->role(), QAccessible::Button);
    QCOMPARE(third->text(QAccessible::Name), QStringLiteral("Часть 2"));
    QVERIFY(first->state().pressed);
    QVERIFY(!third->state().pressed);
    QVERIFY(!third->state().checkable);
    QVERIFY(third->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    third->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(frame.shownIndex(), 2);
    QCOMPARE(frame.checks, 1);
    QVERIFY(third->state().pressed);
}

void TestSubFrames::upDownArrowsAreNamedAndKeysStep()
{
    QWidget window;
    auto* year = new QLineEdit(QStringLiteral("2012"), &window);
    auto* caption = new QLabel(QStringLiteral("Год начала использования"), &window);
    caption->setBuddy(year);
    auto* arrows = new TUpDown(&window, QStringLiteral("updYear"), 2000, 2013);
    arrows->setBuddy(year);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(caption);
    layout->addWidget(year);
    layout->addWidget(arrows);
    showActive(window);
    QCOMPARE(child(window, "updYearUp")->accessibleName(),
             QStringLiteral("Увеличить: Год начала использования"));
    QCOMPARE(child(window, "updYearDown")->accessibleName(),
             QStringLiteral("Уменьшить: Год начала использования"));

    int stepped = 0;
    connect(arrows, &TUpDown::stepped, this, [&stepped] { ++stepped; });
    year->setFocus();
    QTest::keyClick(year, Qt::Key_Up);
    QCOMPARE(year->text(), QStringLiteral("2013"));
    QTest::keyClick(year, Qt::Key_Up);
    QCOMPARE(year->text(), QStringLiteral("2013"));
    QTest::keyClick(year, Qt::Key_Down);
    QCOMPARE(year->text(), QStringLiteral("2012"));
    QCOMPARE(stepped, 2);
}

QTEST_MAIN(TestSubFrames)
#include "tst_sub_frames.moc"
