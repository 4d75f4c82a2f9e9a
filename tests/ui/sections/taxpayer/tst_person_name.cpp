// The taxpayer's name sub-frame: the series-and-number shapes, the document-kind picker, the
// checks with their order and focus, and the 4-NDFL variant.
#include "check/TaxpayerRules.h"
#include "storage/DayCount.h"
#include "support/FrameTestHost.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/taxpayer/FramePersonName.h"
#include "ui/widgets/DateField.h"

#include <QApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QTreeWidget>

Q_DECLARE_METATYPE(TEditType)

namespace {

const QString kValidInn = QStringLiteral("500100732259");

void fillValidPerson(mTPersonInformation& person)
{
    person.Surname = QStringLiteral("Иванов");
    person.FirstName = QStringLiteral("Иван");
    person.INN = kValidInn;
}

} // namespace

class TestPersonName : public QObject
{
    Q_OBJECT

private slots:
    void masks_data();
    void masks();
    void kindTables();
    void reopenedKind3HasRomanMask();
    void pickingPassportResetsDocument();
    void typedTextIsShaped();
    void innRules_data();
    void innRules();
    void emptyInnAsksBirthPlaceAndDocument();
    void age14_data();
    void age14();
    void estimatedIncomeVariant();
    void oktmoUnder4Ndfl_data();
    void oktmoUnder4Ndfl();
    void storeWritesEveryField();
    void fixOnDocumentOpensPicker();
    void fixOnDateSelectsTheDate();
    void clickAndTypeGivesTheDate_data();
    void clickAndTypeGivesTheDate();
};

void TestPersonName::masks_data()
{
    QTest::addColumn<TEditType>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("shaped");

    const auto row = [](const char* name, TEditType kind, const QString& typed, bool accepted,
                        const QString& shaped) {
        QTest::newRow(name) << kind << typed << accepted << shaped;
    };
    row("roman full", TEditType::edtR_BB, QStringLiteral("XIV-АБ 123456"), true,
        QStringLiteral("XIV-АБ 123456"));
    row("roman look-alikes", TEditType::edtR_BB, QStringLiteral("ху1-аб 12"), true,
        QStringLiteral("XVI-АБ 12"));
    row("roman Cyrillic L and C", TEditType::edtR_BB, QStringLiteral("сл"), true,
        QStringLiteral("CL"));
    row("roman not standard", TEditType::edtR_BB, QStringLiteral("IIII"), false, {});
    row("roman VX", TEditType::edtR_BB, QStringLiteral("VX"), false, {});
    row("roman too long", TEditType::edtR_BB, QStringLiteral("CCCLXXXVIII"), false, {});
    row("roman no numeral", TEditType::edtR_BB, QStringLiteral("-АБ"), false, {});
    row("roman three letters", TEditType::edtR_BB, QStringLiteral("I-АБВ"), false, {});
    row("roman seven digits", TEditType::edtR_BB, QStringLiteral("I-АБ 1234567"), false, {});
    row("roman Latin letters after dash", TEditType::edtR_BB, QStringLiteral("I-AB"), false, {});
    row("99 full", TEditType::edt99, QStringLiteral("12 34 5678"), true,
        QStringLiteral("12 34 5678"));
    row("99 three digits", TEditType::edt99, QStringLiteral("123"), false, {});
    row("99 eight more", TEditType::edt99, QStringLiteral("12 12345678"), false, {});
    row("99_ full", TEditType::edt99_, QStringLiteral("12 34 567890"), true,
        QStringLiteral("12 34 567890"));
    row("99_ seventh digit", TEditType::edt99_, QStringLiteral("12 34 5678901"), false, {});
    row("99_ letter", TEditType::edt99_, QStringLiteral("12 3А"), false, {});
    row("BB lower case", TEditType::edtBB, QStringLiteral("ая 123456"), true,
        QStringLiteral("АЯ 123456"));
    row("BB seven digits", TEditType::edtBB, QStringLiteral("АЯ 1234567"), false, {});
    row("BB0 seven digits", TEditType::edtBB0, QStringLiteral("АЯ 1234567"), true,
        QStringLiteral("АЯ 1234567"));
    row("BB0 Latin", TEditType::edtBB0, QStringLiteral("AB 1"), false, {});
    row("None1 twenty", TEditType::edtNone1, QString(20, QLatin1Char('x')), true,
        QString(20, QLatin1Char('x')));
    row("None1 twenty-one", TEditType::edtNone1, QString(21, QLatin1Char('x')), false, {});
    row("None2 fifteen", TEditType::edtNone2, QString(15, QLatin1Char('x')), false, {});
    row("None1 outside 1251", TEditType::edtNone1, QStringLiteral("№ 中"), false, {});
}

void TestPersonName::masks()
{
    QFETCH(TEditType, kind);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, shaped);
    QString text = typed;
    QCOMPARE(DocumentNumber::Accept(kind, text), accepted);
    if (accepted)
        QCOMPARE(text, shaped);
}

void TestPersonName::kindTables()
{
    using SeriesMask::KindAtBuilding;
    using SeriesMask::KindAtPicking;
    const TEditType none1 = TEditType::edtNone1;
    const TEditType bb = TEditType::edtBB;
    QCOMPARE(KindAtBuilding(3, none1), TEditType::edtR_BB);
    QCOMPARE(KindAtPicking(3, bb), none1);
    QCOMPARE(KindAtPicking(1, bb), bb);
    QCOMPARE(KindAtBuilding(12, none1), TEditType::edtNone2);
    QCOMPARE(KindAtPicking(12, bb), none1);
    QCOMPARE(KindAtBuilding(24, bb), bb);
    QCOMPARE(KindAtPicking(24, none1), TEditType::edtBB0);
    QCOMPARE(KindAtBuilding(10, bb), none1);
    QCOMPARE(KindAtBuilding(15, bb), bb);
    QCOMPARE(KindAtPicking(15, bb), none1);
    QCOMPARE(KindAtBuilding(21, none1), TEditType::edt99_);
    QCOMPARE(KindAtBuilding(8, bb), bb);
    QCOMPARE(KindAtPicking(8, bb), bb);
}

void TestPersonName::reopenedKind3HasRomanMask()
{
    FrameTestHost host;
    host.doc.Person.DocKind = 3;
    host.doc.Person.DocKindName = QStringLiteral("Свидетельство о рождении");
    host.doc.Person.DocNumber = QStringLiteral("IV-МЮ 123456");
    TfrPersonNaim frame(nullptr, host);
    QCOMPARE(frame.serialKind(), TEditType::edtR_BB);
    QCOMPARE(child<QLineEdit>(frame, "meSerial")->text(), QStringLiteral("IV-МЮ 123456"));
    QVERIFY(child<QLineEdit>(frame, "meSerial")->isEnabled());

    // Picking the same kind again from the list gives free text.
    host.answers.answerDialog(pick(QStringLiteral("03")));
    click(frame, "bnDocType");
    QCOMPARE(frame.serialKind(), TEditType::edtNone1);
    QVERIFY(host.answers.finished());
}

void TestPersonName::pickingPassportResetsDocument()
{
    FrameTestHost host;
    TfrPersonNaim frame(nullptr, host);
    auto* serial = child<QLineEdit>(frame, "meSerial");
    QVERIFY(!serial->isEnabled());
    QVERIFY(!child(frame, "meKem")->isEnabled());

    host.answers.answerDialog(pick(QStringLiteral("21")));
    click(frame, "bnDocType");
    QVERIFY(host.answers.finished());
    QCOMPARE(host.answers.dialogTitles, QStringList{QStringLiteral("Справочник видов документов")});
    QCOMPARE(host.changes, 1);
    QCOMPARE(child<QLineEdit>(frame, "pnlDocType")->text(),
             QStringLiteral("Паспорт гражданина РФ"));
    QVERIFY(serial->isEnabled());
    QCOMPARE(serial->text(), QString());
    QCOMPARE(child<DateField>(frame, "dtRegDate")->date(), QDate(1990, 1, 1));
    QCOMPARE(frame.serialKind(), TEditType::edt99_);

    typeKeys(serial, QStringLiteral("12 34 5678901"));
    QCOMPARE(serial->text(), QStringLiteral("12 34 567890"));

    frame.StoreData();
    QCOMPARE(host.doc.Person.DocKind, quint16(21));
    QCOMPARE(host.doc.Person.DocNumber, QStringLiteral("12 34 567890"));
    QCOMPARE(DayCount::toDate(host.doc.Person.DocIssueDate), QDate(1990, 1, 1));
}

void TestPersonName::typedTextIsShaped()
{
    FrameTestHost host;
    host.doc.Person.DocKind = 1;
    host.doc.Person.DocKindName = QStringLiteral("Паспорт гражданина СССР");
    TfrPersonNaim frame(nullptr, host);
    auto* serial = child<QLineEdit>(frame, "meSerial");
    typeKeys(serial, QStringLiteral("хш1-ая 12"));
    // "ш" cannot continue a numeral and is refused; the look-alikes become Roman letters.
    QCOMPARE(serial->text(), QStringLiteral("XI-АЯ 12"));

    serial->selectAll();
    serial->insert(QStringLiteral("IIII"));
    QCOMPARE(serial->text(), QStringLiteral("XI-АЯ 12"));
}

void TestPersonName::innRules_data()
{
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("message");
    QTest::newRow("short") << QStringLiteral("50010073225")
                           << QStringLiteral("Длинна ИНН должна быть равна 12 цифрам");
    QTest::newRow("control digits")
        << QStringLiteral("500100732258") << QStringLiteral("Номер ИНН введен неверно");
    QTest::newRow("organisation") << QStringLiteral("7707083893")
                                  << QStringLiteral("Длинна ИНН должна быть равна 12 цифрам");
}

void TestPersonName::innRules()
{
    QFETCH(QString, inn);
    QFETCH(QString, message);
    FrameTestHost host;
    fillValidPerson(host.doc.Person);
    host.doc.Person.INN = inn;
    TfrPersonNaim frame(nullptr, host);
    host.answers.answerCheck(TfmCheckError::Fix);
    QCOMPARE(frame.CheckData(), quint16(4));
    QCOMPARE(host.answers.checkMessages, QStringList{message});
    QCOMPARE(host.answers.dialogTitles,
             QStringList{QStringLiteral("Проверка: Сведения о декларанте")});
}

void TestPersonName::emptyInnAsksBirthPlaceAndDocument()
{
    FrameTestHost host;
    fillValidPerson(host.doc.Person);
    TfrPersonNaim frame(nullptr, host);
    QCOMPARE(frame.CheckData(), quint16(0));
    QVERIFY(host.answers.dialogTitles.isEmpty());

    host.doc.Person.INN.clear();
    host.answers.answerCheck(TfmCheckError::Skip);
    host.answers.answerCheck(TfmCheckError::Skip);
    host.answers.answerCheck(TfmCheckError::Fix);
    QCOMPARE(frame.CheckData(), quint16(5));
    QCOMPARE(
        host.answers.checkMessages,
        (QStringList{QStringLiteral("Не указан ИНН"), QStringLiteral("Не указано место рождения"),
                     QStringLiteral("Не указан документ, удостоверяющий личность")}));

    host.answers.checkMessages.clear();
    host.answers.answerCheck(TfmCheckError::SkipAll);
    QCOMPARE(frame.CheckData(), quint16(0));
    QCOMPARE(host.answers.checkMessages.size(), 1);
}

void TestPersonName::age14_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("issued");
    QTest::addColumn<bool>("fails");
    QTest::newRow("passport at 13") << 21 << QDate(2000, 5, 10) << QDate(2014, 5, 9) << true;
    QTest::newRow("passport at 14") << 21 << QDate(2000, 5, 10) << QDate(2014, 5, 10) << false;
    QTest::newRow("foreign passport at 13")
        << 10 << QDate(2000, 5, 10) << QDate(2014, 5, 9) << false;
    QTest::newRow("29 February") << 21 << QDate(2000, 2, 29) << QDate(2014, 2, 28) << false;
    QTest::newRow("military id at 13") << 7 << QDate(2000, 5, 10) << QDate(2010, 1, 1) << true;
}

void TestPersonName::age14()
{
    QFETCH(int, kind);
    QFETCH(QDate, birth);
    QFETCH(QDate, issued);
    QFETCH(bool, fails);
    FrameTestHost host;
    fillValidPerson(host.doc.Person);
    host.doc.Person.DocKind = quint16(kind);
    host.doc.Person.DocKindName = QStringLiteral("документ");
    host.doc.Person.DocNumber = QStringLiteral("1");
    host.doc.Person.DocIssuer = QStringLiteral("ОВД");
    host.doc.Person.BirthDate = DayCount::fromDate(birth);
    host.doc.Person.DocIssueDate = DayCount::fromDate(issued);
    TfrPersonNaim frame(nullptr, host);
    if (fails)
        host.answers.answerCheck(TfmCheckError::Fix);
    QCOMPARE(frame.CheckData(), quint16(fails ? 7 : 0));
    if (fails)
        QCOMPARE(host.answers.checkMessages,
                 QStringList{QStringLiteral("Дата выдачи документа должна быть больше даты "
                                            "рождения как минимум на 14 лет")});
    QVERIFY(host.answers.finished());
}

void TestPersonName::estimatedIncomeVariant()
{
    FrameTestHost host;
    host.doc.DeclForm = DeclarationForm::EstimatedIncome;
    TfrPersonNaim frame(nullptr, host);
    frame.show();
    QVERIFY(child(frame, "meOKATO")->isVisible());
    QVERIFY(child(frame, "meHomePhone")->isVisible());
    QVERIFY(!child(frame, "gbDocument")->isVisible());
    QVERIFY(!child(frame, "gbCitizenship")->isVisible());
    QVERIFY(!child(frame, "dtBirthDate")->isVisible());
    QVERIFY(!child(frame, "meMesto")->isVisible());

    FrameTestHost resident;
    TfrPersonNaim residentFrame(nullptr, resident);
    residentFrame.show();
    QVERIFY(!child(residentFrame, "meOKATO")->isVisible());
    QVERIFY(child(residentFrame, "gbDocument")->isVisible());
}

void TestPersonName::oktmoUnder4Ndfl_data()
{
    QTest::addColumn<QString>("oktmo");
    QTest::addColumn<bool>("fails");
    QTest::newRow("8") << QStringLiteral("45382000") << false;
    QTest::newRow("11") << QStringLiteral("45382000001") << false;
    QTest::newRow("9") << QStringLiteral("453820001") << true;
    QTest::newRow("10") << QStringLiteral("4538200001") << true;
    QTest::newRow("empty") << QString() << true;
}

void TestPersonName::oktmoUnder4Ndfl()
{
    QFETCH(QString, oktmo);
    QFETCH(bool, fails);
    FrameTestHost host;
    host.doc.DeclForm = DeclarationForm::EstimatedIncome;
    fillValidPerson(host.doc.Person);
    TfrPersonNaim frame(nullptr, host);
    type(frame, "meOKATO", oktmo);
    frame.StoreData();
    if (fails)
        host.answers.answerCheck(TfmCheckError::Fix);
    QCOMPARE(frame.CheckData(), quint16(fails ? 10 : 0));
    if (fails)
        QCOMPARE(host.answers.checkMessages.value(0),
                 QStringLiteral("Не введен код ОКТМО(8 или 11 символов)"));
}

void TestPersonName::storeWritesEveryField()
{
    FrameTestHost host;
    TfrPersonNaim frame(nullptr, host);
    type(frame, "meSurName", QStringLiteral("Петрова"));
    type(frame, "meName", QStringLiteral("Анна"));
    type(frame, "mePatronymic", QStringLiteral("Сергеевна"));
    type(frame, "meINN", QStringLiteral("50010073225x9"));
    type(frame, "meMesto", QStringLiteral("г. Тверь"));
    child<QRadioButton>(frame, "rbBomzh")->click();
    type(frame, "dtBirthDate", QStringLiteral("04031980"));
    QVERIFY(host.changes > 0);
    frame.StoreData();
    const mTPersonInformation& person = host.doc.Person;
    QCOMPARE(person.Surname, QStringLiteral("Петрова"));
    QCOMPARE(person.FirstName, QStringLiteral("Анна"));
    QCOMPARE(person.Patronymic, QStringLiteral("Сергеевна"));
    QCOMPARE(person.INN, QStringLiteral("500100732259"));
    QCOMPARE(person.BirthPlace, QStringLiteral("г. Тверь"));
    QCOMPARE(person.CitizenshipSign, QStringLiteral("2"));
    QCOMPARE(DayCount::toDate(person.BirthDate), QDate(1980, 3, 4));
    QCOMPARE(person.CitizenshipCode, QStringLiteral("643"));
}

void TestPersonName::fixOnDocumentOpensPicker()
{
    FrameTestHost host;
    fillValidPerson(host.doc.Person);
    host.doc.Person.INN.clear();
    host.doc.Person.BirthPlace = QStringLiteral("Москва");
    TfrPersonNaim frame(nullptr, host);
    host.answers.answerCheck(TfmCheckError::Skip);
    host.answers.answerCheck(TfmCheckError::Fix);
    const quint16 code = frame.CheckData();
    QCOMPARE(code, quint16(5));
    host.answers.answerCancel();
    frame.FocusError(code);
    QCOMPARE(host.answers.dialogTitles.last(), QStringLiteral("Справочник видов документов"));
    QVERIFY(host.answers.finished());
}

void TestPersonName::fixOnDateSelectsTheDate()
{
    FrameTestHost host;
    fillValidPerson(host.doc.Person);
    host.doc.Person.DocKind = 21;
    host.doc.Person.DocKindName = QStringLiteral("Паспорт гражданина Российской Федерации");
    TfrPersonNaim frame(nullptr, host);
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    auto* issued = child<DateField>(frame, "dtRegDate");
    // The person last typed in the year; the check leads back to the date, whole.
    issued->setFocus();
    issued->setCursorPosition(8);
    frame.FocusError(TaxpayerField::IssueDate);
    QCOMPARE(QApplication::focusWidget(), issued);
    typeKeys(issued, QStringLiteral("15031999"));
    QCOMPARE(issued->date(), QDate(1999, 3, 15));
}

void TestPersonName::clickAndTypeGivesTheDate_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("birth");
    QTest::newRow("birth") << "dtBirthDate" << true;
    QTest::newRow("issue") << "dtRegDate" << false;
}

// A click anywhere in a date, then the date typed: the document takes exactly that date.
void TestPersonName::clickAndTypeGivesTheDate()
{
    QFETCH(QString, field);
    QFETCH(bool, birth);
    FrameTestHost host;
    host.doc.Person.DocKind = 21;
    host.doc.Person.DocKindName = QStringLiteral("Паспорт гражданина Российской Федерации");
    host.doc.Person.BirthDate = DayCount::fromDate(1970, 1, 1);
    host.doc.Person.DocIssueDate = DayCount::fromDate(2001, 1, 1);
    TfrPersonNaim frame(nullptr, host);
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    clickAndType(child<DateField>(frame, field.toLatin1().constData()), QStringLiteral("15031999"));
    frame.StoreData();
    QCOMPARE(DayCount::toDate(birth ? host.doc.Person.BirthDate : host.doc.Person.DocIssueDate),
             QDate(1999, 3, 15));
}

QTEST_MAIN(TestPersonName)
#include "tst_person_name.moc"
