// The list pickers' preselection, the tax-office import window, the About window and the
// tax-year notice.
#include "About.h"
#include "Announce.h"
#include "FixedTables.h"
#include "ListPicker.h"
#include "LoadSoun.h"
#include "ScriptedInteraction.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void regionAndDocumentKind();
    void currencyFallsBackToFirstRow();
    void yesNeedsARow();
    void sounImport_data();
    void sounImport();
    void sounImportWithEmptyPath();
    void aboutKeys();
    void noticeNeedsAgreement();
};

void TestDialogs::regionAndDocumentKind()
{
    TfmRegionName regions(nullptr, FixedTables::Regions());
    QCOMPARE(regions.rowCount(), 85);
    regions.PreselectRegion(0);
    QCOMPARE(regions.chosenCode(), QStringLiteral("01"));
    regions.PreselectRegion(77);
    QCOMPARE(regions.chosenRegion(), 77);

    TfmDocType kinds(nullptr, FixedTables::DocumentKinds());
    kinds.PreselectKind(0);
    QVERIFY(kinds.chosenCode().isEmpty());
    QVERIFY(!kinds.findChild<QAbstractButton*>(QStringLiteral("btnYes"))->isEnabled());
    kinds.PreselectKind(21);
    QCOMPARE(kinds.chosenKind(), 21);
}

void TestDialogs::currencyFallsBackToFirstRow()
{
    const QList<PickerRow> rows{{QStringLiteral("840"), QStringLiteral("Доллар США")},
                                {QStringLiteral("978"), QStringLiteral("Евро")}};
    TfmInputCurrencyCode picker(nullptr, rows);
    picker.PreselectCurrency(QStringLiteral("999"));
    QCOMPARE(picker.chosenCode(), QStringLiteral("840"));
    picker.PreselectCurrency(QStringLiteral("978"));
    QCOMPARE(picker.chosenName(), QStringLiteral("Евро"));
    clickChild(picker, "btnYes");
    QCOMPARE(picker.result(), int(QDialog::Accepted));
}

void TestDialogs::yesNeedsARow()
{
    const QList<PickerRow> rows{{QStringLiteral("643"), QStringLiteral("РОССИЯ")},
                                {QStringLiteral("643"), QStringLiteral("ДУБЛЬ")}};
    TfmGrazhd picker(nullptr, rows);
    QVERIFY(!picker.Preselect(QStringLiteral("000")));
    QVERIFY(!picker.findChild<QAbstractButton*>(QStringLiteral("btnYes"))->isEnabled());
    // Two rows with one code: the first is taken.
    QVERIFY(picker.Preselect(QStringLiteral("643")));
    QCOMPARE(picker.chosenName(), QStringLiteral("РОССИЯ"));
}

void TestDialogs::sounImport_data()
{
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("message");
    QTest::newRow("imported") << true
                              << QStringLiteral("Данные успешно импортированы. Не забудьте "
                                                "перезапустить программу.");
    QTest::newRow("failed") << false << QStringLiteral("Импортировать данные не удалось");
}

void TestDialogs::sounImport()
{
    QFETCH(bool, succeeds);
    QFETCH(QString, message);
    QTemporaryDir folder;
    ScriptedInteraction script;
    QStringList call;
    TfmLoadSoun window(
        nullptr, script, folder.path(),
        [&](const QString& dbf, const QString& out, const QString& date, const QString& version) {
            call << dbf << out << date << version;
            return succeeds;
        });
    auto* import = window.findChild<QAbstractButton*>(QStringLiteral("Button1"));
    auto* ok = window.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(!import->isEnabled());
    script.answerFile(QStringLiteral("/tmp/soun1.dbf"));
    clickChild(window, "Button4");
    QCOMPARE(script.fileRequests.constFirst().filters,
             QStringList{QStringLiteral("*.dbf (soun1.dbf)")});
    QVERIFY(import->isEnabled());
    QVERIFY(!ok->isEnabled());
    import->click();
    QVERIFY(ok->isEnabled());
    QCOMPARE(script.messageTexts(), QStringList{message});
    QCOMPARE(call.size(), 4);
    QCOMPARE(call.at(0), QStringLiteral("/tmp/soun1.dbf"));
    QVERIFY(call.at(1).endsWith(QStringLiteral("/InspectionNumbers.xml")));
    QCOMPARE(call.at(2), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    QCOMPARE(call.at(3), QStringLiteral("00"));
}

void TestDialogs::sounImportWithEmptyPath()
{
    ScriptedInteraction script;
    bool called = false;
    TfmLoadSoun window(nullptr, script, QStringLiteral("/nowhere"),
                       [&](const QString&, const QString&, const QString&, const QString&) {
                           called = true;
                           return true;
                       });
    script.answerFile(QString());
    clickChild(window, "Button4");
    clickChild(window, "Button1");
    QVERIFY(!called);
    QCOMPARE(script.messageTexts(), QStringList{QStringLiteral("Укажите путь к файлу soun1.dbf")});
    // The help link without help pages names the missing page.
    window.findChild<QLabel*>(QStringLiteral("lbHelpLink"))->linkActivated(QStringLiteral("help"));
    QCOMPARE(script.messageTexts().constLast(),
             QStringLiteral("Не найден файл справки help/EditSOUN.htm"));
    window.findChild<QLabel*>(QStringLiteral("lbSiteLink"))->linkActivated(QStringLiteral("site"));
    QCOMPARE(script.messageTexts().constLast(), QStringLiteral("Не удалось запустить браузер"));
}

void TestDialogs::aboutKeys()
{
    ScriptedInteraction script;
    TfmAbout about(nullptr, script);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_A);
    QVERIFY(about.isVisible());
    auto* mail = about.findChild<QLineEdit*>(QStringLiteral("edMail"));
    QTest::keyClicks(mail, QStringLiteral("xyz"));
    QCOMPARE(mail->text(), TfmAbout::supportAddress());
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Rejected));
}

void TestDialogs::noticeNeedsAgreement()
{
    TfmAnnounce notice(nullptr);
    auto* yes = notice.findChild<QAbstractButton*>(QStringLiteral("btnYes"));
    QVERIFY(!yes->isEnabled());
    clickChild(notice, "chbAgree");
    QVERIFY(yes->isEnabled());
    clickChild(notice, "chbAgree");
    QVERIFY(!yes->isEnabled());
    clickChild(notice, "chbAgree");
    yes->click();
    QCOMPARE(notice.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
