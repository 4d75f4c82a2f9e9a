// The taxpayer section: its two sub-frames, switching between them under the checks, the 4-NDFL
// variant, and the address sub-frame's rules and region picker.
#include "support/FrameTestHost.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/taxpayer/FramePersonAddress.h"
#include "ui/sections/taxpayer/FramePersonData.h"
#include "ui/sections/taxpayer/FramePersonName.h"

#include <QAbstractButton>
#include <QRadioButton>

namespace {

void fillValidAddress(mTPersonInformation& person)
{
    person.RegionCode = 77;
    person.RegionName = QStringLiteral("г. Москва");
    person.Street = QStringLiteral("Тверская");
    person.OKTMO = QStringLiteral("45382000");
}

} // namespace

class TestPersonData : public QObject
{
    Q_OBJECT

private slots:
    void buildsNameSubFrame();
    void addressHiddenUnder4Ndfl();
    void switchStopsOnFix();
    void switchGoesOnAfterSkip();
    void focusSubError();
    void addressRules_data();
    void addressRules();
    void regionPicker();
    void addressStore();
    void controlsHaveTheirOwnNames_data();
    void controlsHaveTheirOwnNames();
};

void TestPersonData::buildsNameSubFrame()
{
    FrameTestHost host;
    TfrPersonData frame(nullptr, host);
    QVERIFY(frame.findChild<TfrPersonNaim*>() != nullptr);
    QVERIFY(child<QAbstractButton>(frame, "fbPersonNaim")->isChecked());
    QCOMPARE(child(frame, "fbPersonAddress")->toolTip(),
             QStringLiteral("Сведения о месте жительства"));
    QCOMPARE(host.changes, 0);
}

void TestPersonData::addressHiddenUnder4Ndfl()
{
    FrameTestHost host;
    host.doc.DeclForm = DeclarationForm::EstimatedIncome;
    TfrPersonData frame(nullptr, host);
    frame.show();
    QVERIFY(!child(frame, "fbPersonAddress")->isVisible());
    QVERIFY(child(frame, "fbPersonNaim")->isVisible());
}

void TestPersonData::switchStopsOnFix()
{
    FrameTestHost host;
    TfrPersonData frame(nullptr, host);
    host.answers.answerCheck(TfmCheckError::Fix);
    click(frame, "fbPersonAddress");
    QCOMPARE(host.answers.checkMessages, QStringList{QStringLiteral("Не введена фамилия")});
    QVERIFY(frame.findChild<TfrPersonNaim*>() != nullptr);
    QVERIFY(frame.findChild<TfrPersonAddress*>() == nullptr);
    QVERIFY(child<QAbstractButton>(frame, "fbPersonNaim")->isChecked());
    QVERIFY(!child<QAbstractButton>(frame, "fbPersonAddress")->isChecked());
}

void TestPersonData::switchGoesOnAfterSkip()
{
    FrameTestHost host;
    TfrPersonData frame(nullptr, host);
    type(frame, "meSurName", QStringLiteral("Сидоров"));
    host.answers.answerCheck(TfmCheckError::SkipAll);
    click(frame, "fbPersonAddress");
    QVERIFY(host.answers.finished());
    QVERIFY(frame.findChild<TfrPersonNaim*>() == nullptr);
    QVERIFY(frame.findChild<TfrPersonAddress*>() != nullptr);
    QCOMPARE(frame.shownIndex(), 1);
    // The name sub-frame stored its fields before it was freed.
    QCOMPARE(host.doc.Person.Surname, QStringLiteral("Сидоров"));
}

void TestPersonData::focusSubError()
{
    FrameTestHost host;
    TfrPersonData frame(nullptr, host);
    frame.FocusSubError(7, 4);
    QCOMPARE(frame.shownIndex(), 1);
    QVERIFY(host.answers.dialogTitles.isEmpty());
    frame.FocusSubError(0, 1);
    QCOMPARE(frame.shownIndex(), 0);
    QVERIFY(child<QAbstractButton>(frame, "fbPersonNaim")->isChecked());
}

void TestPersonData::addressRules_data()
{
    QTest::addColumn<int>("region");
    QTest::addColumn<QString>("locality");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("oktmo");
    QTest::addColumn<quint8>("form");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("code");

    const QString street = QStringLiteral("Тверская");
    const QString oktmo8 = QStringLiteral("45382000");
    QTest::newRow("valid") << 77 << QString() << street << oktmo8 << DeclarationForm::Resident
                           << QString() << 0;
    QTest::newRow("no region") << 0 << QString() << street << oktmo8 << DeclarationForm::Resident
                               << QStringLiteral("Не указан регион постоянного местожительства")
                               << 2;
    QTest::newRow("no place")
        << 77 << QString() << QString() << oktmo8 << DeclarationForm::Resident
        << QStringLiteral(
               "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)")
        << 5;
    QTest::newRow("locality only") << 77 << QStringLiteral("Берёзовка") << QString() << oktmo8
                                   << DeclarationForm::Resident << QString() << 0;
    QTest::newRow("oktmo 11") << 77 << QString() << street << QStringLiteral("45382000001")
                              << DeclarationForm::Resident << QString() << 0;
    QTest::newRow("oktmo 10") << 77 << QString() << street << QStringLiteral("4538200001")
                              << DeclarationForm::Resident
                              << QStringLiteral("Не введен код ОКТМО(8 или 11 символов)") << 4;
    QTest::newRow("oktmo ignored under 4-NDFL")
        << 77 << QString() << street << QString() << DeclarationForm::EstimatedIncome << QString()
        << 0;
}

void TestPersonData::addressRules()
{
    QFETCH(int, region);
    QFETCH(QString, locality);
    QFETCH(QString, street);
    QFETCH(QString, oktmo);
    QFETCH(quint8, form);
    QFETCH(QString, message);
    QFETCH(int, code);
    FrameTestHost host;
    host.doc.DeclForm = form;
    host.doc.Person.RegionCode = quint16(region);
    host.doc.Person.Locality = locality;
    host.doc.Person.Street = street;
    host.doc.Person.OKTMO = oktmo;
    TfrPersonAddress frame(nullptr, host);
    if (code != 0)
        host.answers.answerCheck(TfmCheckError::Fix);
    QCOMPARE(frame.CheckData(), quint16(code));
    QCOMPARE(host.answers.checkMessages.value(0), message);
    QVERIFY(host.answers.finished());
}

void TestPersonData::regionPicker()
{
    FrameTestHost host;
    TfrPersonAddress frame(nullptr, host);
    QString preselected;
    host.answers.answerDialog([&preselected](QDialog& dialog) {
        auto& picker = static_cast<TfmListPicker&>(dialog);
        preselected = picker.chosenCode();
        picker.Preselect(QStringLiteral("69"));
        dialog.accept();
        return dialog.result();
    });
    // A region that must be fixed opens the picker at once.
    frame.FocusError(2);
    QVERIFY(host.answers.finished());
    QCOMPARE(preselected, QStringLiteral("01"));
    QCOMPARE(host.changes, 1);
    frame.StoreData();
    QCOMPARE(host.doc.Person.RegionCode, quint16(69));
    QCOMPARE(host.doc.Person.RegionName, QStringLiteral("Тверская область"));
}

void TestPersonData::addressStore()
{
    FrameTestHost host;
    fillValidAddress(host.doc.Person);
    host.doc.Person.Phone = QStringLiteral("4951234567");
    TfrPersonAddress frame(nullptr, host);
    QCOMPARE(child<QLineEdit>(frame, "meHomePhone")->text(), QStringLiteral("4951234567"));
    child<QRadioButton>(frame, "rbPreb")->click();
    type(frame, "mePostIndex", QStringLiteral("1234567"));
    type(frame, "meHouse", QStringLiteral("12345678"));
    type(frame, "meAdr", QStringLiteral("Minsk"));
    frame.StoreData();
    QCOMPARE(host.doc.Person.StayAddress, quint8(1));
    QCOMPARE(host.doc.Person.PostIndex, QStringLiteral("123456"));
    QCOMPARE(host.doc.Person.House, QStringLiteral("1234567"));
    QCOMPARE(host.doc.Person.ForeignAddress, QStringLiteral("Minsk"));
    QCOMPARE(host.doc.Person.RegionCode, quint16(77));
    QCOMPARE(frame.CheckData(), quint16(0));
}

void TestPersonData::controlsHaveTheirOwnNames_data()
{
    QTest::addColumn<quint8>("form");
    QTest::addColumn<int>("subFrame");
    QTest::newRow("name") << DeclarationForm::Resident << 0;
    QTest::newRow("name under 4-NDFL") << DeclarationForm::EstimatedIncome << 0;
    QTest::newRow("address") << DeclarationForm::Resident << 1;
}

void TestPersonData::controlsHaveTheirOwnNames()
{
    QFETCH(quint8, form);
    QFETCH(int, subFrame);
    FrameTestHost host;
    host.doc.DeclForm = form;
    // With an identity document, so that its fields take typing too.
    host.doc.Person.DocKind = 21;
    host.doc.Person.DocKindName = QStringLiteral("Паспорт гражданина Российской Федерации");
    TfrPersonData frame(nullptr, host);
    frame.FocusSubError(subFrame, 0);
    frame.show();
    QVERIFY2(unnamedControls(frame).isEmpty(), qPrintable(unnamedControls(frame).join(u'\n')));
}

QTEST_MAIN(TestPersonData)
#include "tst_person_data.moc"
