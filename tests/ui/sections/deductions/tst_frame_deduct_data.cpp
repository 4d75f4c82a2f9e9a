#include "export/ExportDeclaration.h"
#include "storage/DayCount.h"
#include "support/FrameTestHost.h"
#include "ui/sections/deductions/FrameCB.h"
#include "ui/sections/deductions/FrameConstructionDeduct.h"
#include "ui/sections/deductions/FrameDeductData.h"
#include "ui/sections/deductions/FramePensDeduct.h"
#include "ui/sections/deductions/FrameStandartDeduct.h"
#include "ui/widgets/DateField.h"

#include <QComboBox>
#include <QToolButton>
#include <QXmlStreamReader>
#include <map>
#include <memory>

namespace {

bool down(const QObject& frame, const char* button)
{
    return child<QToolButton>(frame, button)->isChecked();
}

// The attributes of the first element of each name in an XML text.
std::map<QString, QXmlStreamAttributes> firstElements(const QString& xml)
{
    std::map<QString, QXmlStreamAttributes> found;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            found.try_emplace(reader.name().toString(), reader.attributes());
    }
    return found;
}

double number(const std::map<QString, QXmlStreamAttributes>& elements, const char* element,
              const char* attribute)
{
    const auto at = elements.find(QString::fromUtf8(element));
    if (at == elements.end())
        return -1;
    return at->second.value(QString::fromUtf8(attribute)).toDouble();
}

QString value(const std::map<QString, QXmlStreamAttributes>& elements, const char* element,
              const char* attribute)
{
    const auto at = elements.find(QString::fromUtf8(element));
    return at == elements.end() ? QString()
                                : at->second.value(QString::fromUtf8(attribute)).toString();
}

} // namespace

class TestFrameDeductData : public QObject
{
    Q_OBJECT

private slots:
    void opensOnStandardDeductions()
    {
        FrameTestHost host;
        TfrFrameDeductData frame(nullptr, host);
        QVERIFY(qobject_cast<TfrFrameStandartDeduct*>(frame.subFrame()) != nullptr);
        QVERIFY(down(frame, "fbStandartDeduct"));
        QVERIFY(!down(frame, "fbPensDeduct"));
        QCOMPARE(host.changes, 0);
        QCOMPARE(child<QToolButton>(frame, "fbCB")->toolTip(),
                 QStringLiteral("Убытки прошлых налоговых периодов по операциям с ЦБ"));
    }

    void failedCheckKeepsTheSubFrame()
    {
        FrameTestHost host;
        TfrFrameDeductData frame(nullptr, host);
        click(frame, "fbPensDeduct");
        QVERIFY(qobject_cast<TfrFramePensDeduct*>(frame.subFrame()) != nullptr);
        click(frame, "chbGrantingSocDeduct");

        host.answers.answerCheck(TfmCheckError::Fix);
        click(frame, "fbConstructionDeduct");
        QCOMPARE(host.answers.checkMessages,
                 QStringList{QStringLiteral("Не введены данные по социальным налоговым вычетам")});
        QVERIFY(qobject_cast<TfrFramePensDeduct*>(frame.subFrame()) != nullptr);
        QVERIFY(down(frame, "fbPensDeduct"));
        QVERIFY(!down(frame, "fbConstructionDeduct"));

        host.answers.answerCheck(TfmCheckError::Skip);
        click(frame, "fbConstructionDeduct");
        QVERIFY(qobject_cast<TfrConstructionDeduct*>(frame.subFrame()) != nullptr);
        QVERIFY(down(frame, "fbConstructionDeduct"));
        QVERIFY(host.answers.finished());
    }

    void securitiesLosses()
    {
        FrameTestHost host;
        host.doc.SecuritiesDeduction.SecuritiesLoss = Money::fromRoubles(9);
        TfrFrameDeductData frame(nullptr, host);
        click(frame, "fbCB");
        QCOMPARE(text(frame, "meCB"), QStringLiteral("9"));
        type(frame, "meCB", QString());
        type(frame, "meFinInstr", QStringLiteral("1234,56"));
        // Typing the losses is an edit the file keeps: the window must ask before closing.
        QVERIFY(host.changes > 0);
        frame.StoreData();
        QCOMPARE(frame.CheckData(), quint16(0));
        QCOMPARE(host.doc.SecuritiesDeduction.SecuritiesLoss, Money());
        QCOMPARE(host.doc.SecuritiesDeduction.DerivativesLoss, Money::fromKopecks(123456));
        click(frame, "fbStandartDeduct");
        click(frame, "fbCB");
        QCOMPARE(text(frame, "meCB"), QStringLiteral("0"));
        QCOMPARE(text(frame, "meFinInstr"), QStringLiteral("1234,56"));
    }

    void focusSubErrorShowsTheSubFrame()
    {
        FrameTestHost host;
        host.doc.PropertyDeduction.PropertyEnabled = 1;
        host.doc.SocialDeduction.SocialEnabled = 1;
        TfrFrameDeductData frame(nullptr, host);
        // The social sub-frame is left unstored and unchecked: no question is asked.
        click(frame, "fbPensDeduct");
        frame.FocusSubError(1, 8);
        QVERIFY(qobject_cast<TfrConstructionDeduct*>(frame.subFrame()) != nullptr);
        QVERIFY(down(frame, "fbConstructionDeduct"));
        QVERIFY(!child<QWidget>(frame, "gbSums")->isHidden());

        frame.FocusSubError(0, 2);
        QVERIFY(qobject_cast<TfrFrameStandartDeduct*>(frame.subFrame()) != nullptr);
        QVERIFY(down(frame, "fbStandartDeduct"));
        frame.FocusSubError(3, 1);
        QVERIFY(qobject_cast<TfrConstructionDeduct*>(frame.subFrame()) != nullptr);
        QVERIFY(host.answers.finished());
    }

    // The classic cases entered through the section and found in the exported file.
    void classicCasesReachTheExport()
    {
        FrameTestHost host;
        mTDeclaration& doc = host.doc;
        doc.InspectionCode = QStringLiteral("7701");
        mTThirteenPercent& source = doc.Income13.At(doc.Income13.Add());
        source.SourceName = QStringLiteral("ООО «Ромашка»");
        source.SourceINN = QStringLiteral("7707083893");
        source.SourceKPP = QStringLiteral("773601001");
        source.SourceOKTMO = QStringLiteral("45382000");
        source.IsPrimarySource = 1;
        for (int month = 1; month <= 12; ++month) {
            mTSourseIncome line;
            line.IncomeCode = 2000;
            line.IncomeSum = Money::fromRoubles(60000);
            line.IncomeMonth = quint16(month);
            source.AddIncome(line);
        }
        source.TaxableIncome = Money::fromRoubles(720000);
        source.TaxComputed = Money::fromRoubles(93600);
        source.TaxWithheld = Money::fromRoubles(93600);

        TfrFrameDeductData frame(nullptr, host);
        // Two children all year.
        type(frame, "meChildrens", QStringLiteral("2"));

        // A flat bought for 2 500 000 with mortgage interest.
        click(frame, "fbConstructionDeduct");
        QVERIFY(qobject_cast<TfrConstructionDeduct*>(frame.subFrame()) != nullptr);
        click(frame, "chbGrantingDeduct");
        child<QComboBox>(frame, "cbObjectNaim")->setCurrentIndex(1);
        child<QComboBox>(frame, "cbVidSob")->setCurrentIndex(0);
        child<QComboBox>(frame, "cbPrizNal")->setCurrentIndex(0);
        type(frame, "mePostIndex", QStringLiteral("125009"));
        type(frame, "meCity", QStringLiteral("Москва"));
        type(frame, "meStreet", QStringLiteral("Тверская"));
        type(frame, "meHouse", QStringLiteral("7"));
        type(frame, "meFlat", QStringLiteral("12"));
        host.answers.answerDialog(pick(QStringLiteral("77")));
        click(frame, "bnRegion");
        child<DateField>(frame, "dtpRegRightDate")->setDate(QDate(2013, 3, 1));
        click(*child<QWidget>(frame, "updBeginningUsePrivilegeDate"),
              "updBeginningUsePrivilegeDateUp");
        QCOMPARE(text(frame, "meBeginningUsePrivilegeDate"), QStringLiteral("2013"));
        type(frame, "meDol1", QStringLiteral("1"));
        type(frame, "meDol2", QStringLiteral("1"));
        click(frame, "bnNext");
        type(frame, "meObsch", QStringLiteral("2500000"));
        type(frame, "meobschip", QStringLiteral("150000"));

        // Treatment and education costs and a pension contract.
        click(frame, "fbPensDeduct");
        QVERIFY(qobject_cast<TfrFramePensDeduct*>(frame.subFrame()) != nullptr);
        click(frame, "chbGrantingSocDeduct");
        type(frame, "meMedicalSum", QStringLiteral("45000"));
        type(frame, "meSelfEducationSum", QStringLiteral("30000"));
        host.answers.answerDialog([](QDialog& dialog) {
            type(dialog, "meChildEduSum", QStringLiteral("40000"));
            click(dialog, "btnYes");
            return dialog.result();
        });
        click(frame, "fbAddSum");
        host.answers.answerDialog([](QDialog& dialog) {
            type(dialog, "meSourseName", QStringLiteral("НПФ «Будущее»"));
            type(dialog, "meINN", QStringLiteral("7707083893"));
            type(dialog, "meKPP", QStringLiteral("773601001"));
            type(dialog, "meNomDog", QStringLiteral("Д-15"));
            child<DateField>(dialog, "dtpDatDog")->setDate(QDate(2013, 2, 1));
            type(dialog, "meVZSum", QStringLiteral("12000"));
            click(dialog, "btnYes");
            return dialog.result();
        });
        click(frame, "fbAddPens");

        click(frame, "fbCB");
        QVERIFY(qobject_cast<TfrCB*>(frame.subFrame()) != nullptr);
        frame.StoreData();
        QVERIFY2(host.answers.finished(), qPrintable(host.answers.unexpected.join(u'\n')));

        QStringList messages;
        const QString xml = ExportDeclaration(QString(), doc, ExportMode::Text,
                                              {QDate(2014, 2, 3), QUuid()}, &messages);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        const auto elements = firstElements(xml);

        QVERIFY(number(elements, "РасчВычСтанд", "ВычСтандРеб") > 0);
        QCOMPARE(value(elements, "СвОбъектРасх", "КодНаимОб"), QStringLiteral("2"));
        QCOMPARE(value(elements, "СвОбъектРасх", "ДатаРегЖил"), QStringLiteral("01.03.2013"));
        QCOMPARE(value(elements, "СвОбъектРасх", "ГодНачИспВыч"), QStringLiteral("2013"));
        QCOMPARE(value(elements, "СвОбъектРасх", "ДолСобств"), QStringLiteral("1/1"));
        // The cost counts up to the limit of 2 000 000.
        QCOMPARE(number(elements, "СвОбъектРасх", "СумРасхФакт"), 2000000.0);
        QCOMPARE(number(elements, "СвОбъектРасх", "СумФактУплПроц"), 150000.0);
        QCOMPARE(value(elements, "АдрОбъект", "КодРегион"), QStringLiteral("77"));
        QCOMPARE(value(elements, "АдрОбъект", "Индекс"), QStringLiteral("125009"));
        QVERIFY(number(elements, "РасчИмущВыч", "РасхНовВычНД") > 0);
        QCOMPARE(number(elements, "РасчВычСоцБез219.2", "СумОбуч"), 40000.0);
        QCOMPARE(number(elements, "РасчВычСоц219.2", "СумЛечен"), 45000.0);
        QCOMPARE(number(elements, "РасчВычСоц219.2", "СумОбуч"), 30000.0);
        QCOMPARE(value(elements, "РасчСумПВВыч", "НомДогНПО"), QStringLiteral("Д-15"));
        QCOMPARE(number(elements, "РасчСумПВВыч", "СумПВОбщПер"), 12000.0);
        QCOMPARE(value(elements, "СведИст", "ИННЮЛ"), QStringLiteral("7707083893"));
    }
};

QTEST_MAIN(TestFrameDeductData)
#include "tst_frame_deduct_data.moc"
