// Entry fields admit only text the declaration file can hold.

#include "ui/widgets/EntryFields.h"

#include <QLineEdit>
#include <QTest>
#include <QValidator>

class TestEntryFields : public QObject
{
    Q_OBJECT

private slots:
    void windows1251Only_data();
    void windows1251Only();
};

void TestEntryFields::windows1251Only_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("cyrillic and signs") << QStringLiteral("Ёлкин «№ 5» — €") << true;
    QTest::newRow("chinese") << QStringLiteral("中") << false;
    QTest::newRow("check mark") << QStringLiteral("ООО ✓") << false;
}

void TestEntryFields::windows1251Only()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(Cp1251Validator::encodable(text), accepted);
    // The field's own validator: typed and pasted text both pass through it.
    QLineEdit* edit = EntryFields::text(nullptr, QStringLiteral("meName"), 100);
    int position = 0;
    QCOMPARE(edit->validator()->validate(text, position) == QValidator::Acceptable, accepted);
    delete edit;
}

QTEST_MAIN(TestEntryFields)
#include "tst_entry_fields.moc"
