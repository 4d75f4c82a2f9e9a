// "Проверить" and the other commands that check first: the whole check through its dialog, and
// "Исправить" leading to the section of the error. Export from the window.
#include "model/Declaration.h"
#include "support/UiTestSupport.h"
#include "ui/pickers/InputInspectionNumber.h"
#include "ui/sections/conditions/FrameInitialData.h"
#include "ui/widgets/SubFrameContainer.h"
#include "ui/window/SectionFrames.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QTest>

class TestCheckLocate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void newDeclarationLeadsToTaxOffice();
    void errorPlaces_data();
    void errorPlaces();
    void cancelEndsCommand();
    void passingDeclaration();
    void exportFromWindow();
    void exportStopsOnFailedCheck();
    void printWithoutModule();

private:
    QTemporaryDir m_settings;
};

void TestCheckLocate::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestCheckLocate::init()
{
    UiTestBench::clearSettings();
}

void TestCheckLocate::newDeclarationLeadsToTaxOffice()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    bench.script().answerDialog([](QDialog&) { return 0; }); // the section check on leaving
    window.selectSection(Section::PersonInfo);
    QString title;
    QString message;
    bench.script().answerDialog([&](QDialog& dialog) {
        title = dialog.windowTitle();
        message = dialog.findChild<QLabel*>(QStringLiteral("lbMessage"))->text();
        clickChild(dialog, "Button1");
        return dialog.result();
    });
    bool pickerOpened = false;
    bench.script().answerDialog([&](QDialog& dialog) {
        pickerOpened = dynamic_cast<TfmInputInspectionNumber*>(&dialog) != nullptr;
        return int(QDialog::Rejected);
    });
    QCOMPARE(window.CheckAndLocate(), 1);
    QVERIFY(pickerOpened);
    QCOMPARE(title, QStringLiteral("Проверка: Задание условий"));
    QCOMPARE(message, QStringLiteral("Не введен номер инспекции"));
    QCOMPARE(window.currentSection(), Section::InitialData);
    QVERIFY(window.sectionButton(Section::InitialData)->isChecked());
    QVERIFY(qobject_cast<TfrInitialData*>(window.currentFrame()));
}

void TestCheckLocate::errorPlaces_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("subFrame");
    QTest::addColumn<QString>("focus");
    QTest::newRow("surname") << 1 << QStringLiteral("Не введена фамилия")
                             << int(Section::PersonInfo) << 0 << QStringLiteral("meSurName");
    QTest::newRow("residence OKTMO") << 2
                                     << QStringLiteral("Не введен код ОКТМО(8 или 11 симв.) по "
                                                       "месту жительства")
                                     << int(Section::PersonInfo) << 1 << QStringLiteral("meOKATO");
    QTest::newRow("second 13% source")
        << 3 << QStringLiteral("По данному источнику не указаны доходы")
        << int(Section::RussianIncome) << 0 << QStringLiteral("lvSourseIncomeInfo");
}

void TestCheckLocate::errorPlaces()
{
    QFETCH(int, fault);
    QFETCH(QString, message);
    QFETCH(int, section);
    QFETCH(int, subFrame);
    QFETCH(QString, focus);
    UiTestBench bench;
    mTDeclaration doc = UiTestBench::completeDeclaration();
    switch (fault) {
    case 1:
        doc.Person.Surname.clear();
        break;
    case 2:
        doc.Person.OKTMO = QStringLiteral("453820001");
        break;
    case 3: {
        mTSourseIncome line;
        line.IncomeCode = 2000;
        line.IncomeSum = 1000_rub;
        doc.Income13.At(doc.Income13.Add()).AddIncome(line);
        doc.Income13.Add();
        break;
    }
    }
    TFormMain& window = bench.start({bench.writeDeclaration(QStringLiteral("c.tv3"), doc)});
    QString shown;
    bench.script().answerDialog([&](QDialog& dialog) {
        shown = dialog.findChild<QLabel*>(QStringLiteral("lbMessage"))->text();
        clickChild(dialog, "Button1");
        return dialog.result();
    });
    QCOMPARE(window.CheckAndLocate(), 1);
    if (!message.isEmpty())
        QCOMPARE(shown, message);
    QCOMPARE(int(window.currentSection()), section);
    QVERIFY(window.sectionButton(Section(section))->isChecked());
    // The sub-section of the error is shown and its field has the focus.
    auto* container = qobject_cast<TSubFrameContainer*>(window.currentFrame());
    QVERIFY(container != nullptr);
    QCOMPARE(container->shownIndex(), subFrame);
    QVERIFY(window.focusWidget() != nullptr);
    QCOMPARE(window.focusWidget()->objectName(), focus);
    // Building the section of the error does not mark the document as changed.
    QVERIFY(window.isSaved());
    QVERIFY(bench.script().finished());
}

void TestCheckLocate::cancelEndsCommand()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    bench.script().answerDialog(press("Button2"));
    window.CheckDoc();
    QVERIFY(bench.script().finished());
    QVERIFY(bench.script().messages.isEmpty());
    // Closing the dialog counts as "Отмена".
    bench.script().answerDialog([](QDialog&) { return 0; });
    QCOMPARE(window.CheckAndLocate(), 2);
    QVERIFY(bench.script().finished());

    // Private practice has no section: "Исправить" there shows nothing.
    window.locateError(11, 1);
    QCOMPARE(window.currentSection(), Section::InitialData);
    QVERIFY(qobject_cast<TfrInitialData*>(window.currentFrame()));
}

void TestCheckLocate::passingDeclaration()
{
    UiTestBench bench;
    TFormMain& window = bench.start(
        {bench.writeDeclaration(QStringLiteral("ok.tv3"), UiTestBench::completeDeclaration())});
    window.CheckDoc();
    QVERIFY(bench.script().finished());
    QCOMPARE(bench.script().messages.size(), 1);
    QCOMPARE(bench.script().messages.constFirst().text,
             QStringLiteral("Проверка декларации завершена успешно"));
    QCOMPARE(bench.script().messages.constFirst().caption, QStringLiteral("Тарвика 2013"));
    QCOMPARE(bench.script().messages.constFirst().icon, QMessageBox::Information);
}

void TestCheckLocate::exportFromWindow()
{
    UiTestBench bench;
    TFormMain& window = bench.start(
        {bench.writeDeclaration(QStringLiteral("ok.tv3"), UiTestBench::completeDeclaration())});
    const QString out = bench.path(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    bench.script().answerFile(out);
    window.ExportDoc();
    QVERIFY(bench.script().finished());
    QVERIFY(window.isEnabled());
    const QStringList written = QDir(out).entryList({QStringLiteral("*.xml")}, QDir::Files);
    QCOMPARE(written.size(), 1);
    QVERIFY(written.constFirst().startsWith(QStringLiteral("NO_NDFL3_")));
    QCOMPARE(bench.script().messageTexts().constLast(),
             QStringLiteral("Сформирован файл ") + written.constFirst());

    // A folder that cannot be written gives the failure message and the window stays usable.
    bench.script().answerFile(bench.path(QStringLiteral("no/such/folder")));
    window.ExportDoc();
    QCOMPARE(bench.script().messageTexts().constLast(),
             QStringLiteral("Ошибка записи. Файл не сформирован."));
    QVERIFY(window.isEnabled());

    // A cancelled folder dialog writes nothing and says nothing.
    const qsizetype shown = bench.script().messages.size();
    bench.script().answerFile(QString());
    window.ExportDoc();
    QCOMPARE(bench.script().messages.size(), shown);
}

void TestCheckLocate::exportStopsOnFailedCheck()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    bench.script().answerDialog(press("Button2"));
    window.ExportDoc();
    QVERIFY(bench.script().finished());
    QVERIFY(bench.script().fileRequests.isEmpty());
}

void TestCheckLocate::printWithoutModule()
{
    UiTestBench bench;
    TFormMain& window = bench.start(
        {bench.writeDeclaration(QStringLiteral("ok.tv3"), UiTestBench::completeDeclaration())});
    window.PreviewDoc();
    QCOMPARE(bench.script().messages.size(), 1);
    QVERIFY(bench.script().messages.constFirst().text.startsWith(
        QStringLiteral("Не найден модуль печати.")));
    QVERIFY(window.isEnabled());
}

QTEST_MAIN(TestCheckLocate)
#include "tst_checklocate.moc"
