#include "OtherIncomeTestHost.h"

#include <QLineEdit>

QMessageBox::StandardButton ScriptedAnswers::message(QWidget*, QMessageBox::Icon, const QString&,
                                                     const QString& text,
                                                     QMessageBox::StandardButtons buttons)
{
    if (buttons != QMessageBox::Ok)
        unexpected.append(QStringLiteral("message: ") + text);
    return QMessageBox::Ok;
}

void ScriptedAnswers::recordDialog(QDialog& dialog)
{
    if (auto* check = qobject_cast<TfmCheckError*>(&dialog))
        checkMessages.append(check->message());
}

namespace Answer {

ScriptedAnswers::Script check(TfmCheckError::Result result)
{
    return [result](QDialog&) { return int(result); };
}

ScriptedAnswers::Script pick(const QString& code)
{
    return [code](QDialog& dialog) {
        auto& picker = dynamic_cast<TfmListPicker&>(dialog);
        if (!picker.Preselect(code))
            return int(QDialog::Rejected);
        return int(QDialog::Accepted);
    };
}

ScriptedAnswers::Script cancel()
{
    return [](QDialog&) { return int(QDialog::Rejected); };
}

} // namespace Answer

TestHost::TestHost()
{
    doc.SetInteractiveDefaults();
    countries = std::make_unique<TfmGrazhd>(
        nullptr, QList<PickerRow>{{QStringLiteral("840"), QStringLiteral("США")},
                                  {QStringLiteral("276"), QStringLiteral("Германия")}});
}

TestHost::~TestHost() = default;

QString typeInto(QLineEdit* edit, const QString& text)
{
    // One character at a time through the field's validator and length limit, as typing does;
    // key simulation cannot type Cyrillic.
    edit->clear();
    for (const QChar character : text)
        edit->insert(QString(character));
    return edit->text();
}
