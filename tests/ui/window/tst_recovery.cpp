// Nothing typed is lost: the window writes a recovery copy of unsaved changes a moment after the
// last one, removes it when the declaration is saved or given up, and offers it back when a
// program that ended without either opens the file (or starts without one) again.
#include "model/Declaration.h"
#include "model/file/RecoveryStore.h"
#include "storage/StorageErrors.h"
#include "support/UiTestSupport.h"
#include "support/UserActions.h"
#include "ui/window/DocumentRecovery.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>

namespace {

const QString kSalary =
    QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/resident-salary/declaration.tv3");

// The copies and notes in the recovery folder.
QStringList recoveryFiles(const UiTestBench& bench)
{
    return QDir(bench.recoveryFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Answers the offer with one of its buttons and keeps its text.
ScriptedInteraction::DialogScript answerOffer(const char* button, QString* text)
{
    return [button, text](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            *text = box->text();
        clickChild(dialog, button);
        return dialog.result();
    };
}

// Waits until the window has written the copy of its changes; returns the copy.
QString waitForCopy(TFormMain& window)
{
    if (!QTest::qWaitFor([&] { return !window.recovery().copyPath().isEmpty(); }, 5000))
        return {};
    window.recovery().waitForWrites();
    return window.recovery().copyPath();
}

// Changes the declaration as a person does: a representative signs, with a name typed.
void typeRepresentative(TFormMain& window, const QString& name)
{
    click(window, "rbGiveTrustFase");
    type(window, "meFIO", name);
}

} // namespace

class TestWindowRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void typedAmountSurvivesAKill();
    void offerAnswers_data();
    void offerAnswers();
    void copyOlderThanTheFileIsNotOffered();
    void newDeclarationOfferedAtStart();
    void damagedCopySetAside();
    void givingUpRemovesTheCopy();

private:
    QTemporaryDir m_settings;
};

void TestWindowRecovery::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestWindowRecovery::init()
{
    UiTestBench::clearSettings();
}

void TestWindowRecovery::typedAmountSurvivesAKill()
{
    UiTestBench bench;
    bench.recoveryDelay = std::chrono::milliseconds(20);
    const QString file = bench.path(QStringLiteral("salary.tv3"));
    QVERIFY(QFile::copy(kSalary, file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    {
        TFormMain& window = bench.start({file});
        window.sectionButton(Section::Deduction)->click();
        click(window, "fbPensDeduct");
        auto* claim = child<QAbstractButton>(window, "chbGrantingSocDeduct");
        if (!claim->isChecked())
            claim->click();
        type(window, "meCharitySum", QStringLiteral("4321"));
        QVERIFY(!window.isSaved());
        // The amount is only in the field: the copy takes the declaration as the screen shows it.
        const QString copy = waitForCopy(window);
        QVERIFY(!copy.isEmpty());
        QVERIFY(!window.recovery().writer().lastFailure());
        mTDeclaration copied;
        copied.LoadFromFile(copy);
        QCOMPARE(copied.SocialDeduction.CharitySum, Money::fromRoubles(4321));
    }
    bench.kill();

    QString offered;
    bench.nextScript().answerDialog(answerOffer("bnRestore", &offered));
    TFormMain& window = bench.start({file});
    QVERIFY(bench.script().finished());
    QVERIFY(offered.startsWith(
        QStringLiteral("Найдены несохранённые изменения декларации «salary.tv3» от ")));
    QVERIFY(offered.endsWith(QStringLiteral(". Восстановить?")));
    QCOMPARE(window.document().SocialDeduction.CharitySum, Money::fromRoubles(4321));
    QVERIFY(!window.isSaved());
    QCOMPARE(window.windowTitle(), QStringLiteral("salary.tv3 - Тарвика 2013"));
    // Nothing was written to the person's file yet.
    mTDeclaration onDisk;
    onDisk.LoadFromFile(file);
    QVERIFY(onDisk.SocialDeduction.CharitySum != Money::fromRoubles(4321));

    window.SaveDoc();
    QVERIFY(window.isSaved());
    onDisk.LoadFromFile(file);
    QCOMPARE(onDisk.SocialDeduction.CharitySum, Money::fromRoubles(4321));
    QCOMPARE(recoveryFiles(bench), QStringList());
}

void TestWindowRecovery::offerAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("restored");
    QTest::addColumn<bool>("kept");
    QTest::newRow("restore") << QStringLiteral("bnRestore") << true << true;
    QTest::newRow("do not restore") << QStringLiteral("bnDiscard") << false << false;
    QTest::newRow("later") << QStringLiteral("bnLater") << false << true;
    // Closed without a button: as "Позже".
    QTest::newRow("closed") << QStringLiteral("bnNone") << false << true;
}

void TestWindowRecovery::offerAnswers()
{
    QFETCH(QString, button);
    QFETCH(bool, restored);
    QFETCH(bool, kept);
    UiTestBench bench;
    bench.recoveryDelay = std::chrono::milliseconds(20);
    const QString file = bench.writeDeclaration(QStringLiteral("a.tv3"), mTDeclaration());
    typeRepresentative(bench.start({file}), QStringLiteral("Петров"));
    const QString copy = waitForCopy(bench.window());
    QVERIFY(!copy.isEmpty());
    bench.kill();

    QString offered;
    const QByteArray name = button.toLatin1();
    bench.nextScript().answerDialog(answerOffer(name.constData(), &offered));
    TFormMain& window = bench.start({file});
    QVERIFY(bench.script().finished());
    QVERIFY(!offered.isEmpty());
    QCOMPARE(window.document().RepresentativeName, restored ? QStringLiteral("Петров") : QString());
    QCOMPARE(window.isSaved(), !restored);
    QCOMPARE(QFile::exists(copy), kept);
    // A restored copy is the one the window keeps writing.
    QCOMPARE(window.recovery().copyPath(), restored ? copy : QString());

    // A copy kept for later is offered again.
    bench.kill();
    bench.nextScript().answerDialog(press("bnLater"));
    bench.start({file});
    QCOMPARE(bench.script().finished(), kept);
}

void TestWindowRecovery::copyOlderThanTheFileIsNotOffered()
{
    UiTestBench bench;
    bench.recoveryDelay = std::chrono::milliseconds(20);
    const QString file = bench.writeDeclaration(QStringLiteral("a.tv3"), mTDeclaration());
    typeRepresentative(bench.start({file}), QStringLiteral("Петров"));
    const QString copy = waitForCopy(bench.window());
    bench.kill();
    // The file was saved after the copy was written (by another instance, say).
    QFile touched(file);
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QFileInfo(copy).lastModified().addSecs(1),
                                QFileDevice::FileModificationTime));
    touched.close();

    TFormMain& window = bench.start({file});
    QVERIFY(bench.script().finished());
    QVERIFY(bench.script().dialogTitles.isEmpty());
    QVERIFY(window.isSaved());
    QVERIFY(QFile::exists(copy));
}

void TestWindowRecovery::newDeclarationOfferedAtStart()
{
    UiTestBench bench;
    bench.recoveryDelay = std::chrono::milliseconds(20);
    typeRepresentative(bench.start(), QStringLiteral("Сидоров"));
    QVERIFY(!waitForCopy(bench.window()).isEmpty());
    bench.kill();

    // A file named on the command line is offered its own copies only.
    const QString file = bench.writeDeclaration(QStringLiteral("a.tv3"), mTDeclaration());
    bench.start({file});
    QVERIFY(bench.script().dialogTitles.isEmpty());
    bench.kill();

    QString offered;
    bench.nextScript().answerDialog(answerOffer("bnRestore", &offered));
    TFormMain& window = bench.start();
    QVERIFY(bench.script().finished());
    QVERIFY(offered.startsWith(
        QStringLiteral("Найдены несохранённые изменения декларации «Без имени» от ")));
    QCOMPARE(window.document().RepresentativeName, QStringLiteral("Сидоров"));
    QVERIFY(!window.isSaved());
    QVERIFY(window.fileName().isEmpty());

    // Saved under a name, the new declaration's copy goes.
    bench.script().answerFile(bench.path(QStringLiteral("new.tv3")));
    window.SaveDoc();
    QVERIFY(window.isSaved());
    QCOMPARE(recoveryFiles(bench), QStringList());
}

void TestWindowRecovery::damagedCopySetAside()
{
    UiTestBench bench;
    bench.recoveryDelay = std::chrono::milliseconds(20);
    const QString file = bench.writeDeclaration(QStringLiteral("a.tv3"), mTDeclaration());
    typeRepresentative(bench.start({file}), QStringLiteral("Петров"));
    const QString copy = waitForCopy(bench.window());
    bench.kill();
    QFile damaged(copy);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(200, 'x'));
    damaged.close();

    TFormMain& window = bench.start({file});
    QCOMPARE(bench.script().messages.size(), 1);
    const QString message = bench.script().messages.constFirst().text;
    QCOMPARE(bench.script().messages.constFirst().icon, QMessageBox::Critical);
    QVERIFY(message.contains(RecoveryStore::originOf(file)));
    QVERIFY(message.contains(copy + QStringLiteral(".damaged")));
    QVERIFY(message.endsWith(StorageMessage::badFormat()));
    // The file is shown as it is on disk; the copy lies aside and is not offered again.
    QVERIFY(bench.script().dialogTitles.isEmpty());
    QVERIFY(window.document().RepresentativeName.isEmpty());
    QVERIFY(window.isSaved());
    QVERIFY(QFile::exists(copy + QStringLiteral(".damaged")));
    bench.kill();
    bench.start({file});
    QCOMPARE(bench.script().messages.size(), 0);
}

void TestWindowRecovery::givingUpRemovesTheCopy()
{
    // "Нет" to saving the changes gives the declaration up: its copy goes with it.
    UiTestBench bench;
    bench.recoveryDelay = std::chrono::milliseconds(20);
    const QString file = bench.writeDeclaration(QStringLiteral("a.tv3"), mTDeclaration());
    TFormMain& window = bench.start({file});
    typeRepresentative(window, QStringLiteral("Петров"));
    QVERIFY(!waitForCopy(window).isEmpty());
    bench.script().answerMessage(QMessageBox::No);
    QVERIFY(window.close());
    QCOMPARE(recoveryFiles(bench), QStringList());
}

QTEST_MAIN(TestWindowRecovery)
#include "tst_recovery.moc"
