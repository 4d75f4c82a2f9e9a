#include "FrameTestHost.h"

#include "directories/ActivityDirectory.h"
#include "directories/CurrencyDirectory.h"
#include "ui/pickers/ListPicker.h"

namespace {

const char* buttonOf(TfmCheckError::Result result)
{
    switch (result) {
    case TfmCheckError::Fix:
        return "Button1";
    case TfmCheckError::Skip:
        return "Button2";
    case TfmCheckError::SkipAll:
        return "Button3";
    case TfmCheckError::Closed:
        break;
    }
    return nullptr;
}

int closeWindow(QDialog& dialog)
{
    dialog.reject();
    return dialog.result();
}

} // namespace

void ScriptedAnswers::answerCheck(TfmCheckError::Result result)
{
    answerDialog([this, result](QDialog& dialog) {
        if (qobject_cast<TfmCheckError*>(&dialog) == nullptr) {
            unexpected.append(QStringLiteral("not a check dialog: ") + dialog.windowTitle());
            return closeWindow(dialog);
        }
        const char* name = buttonOf(result);
        if (name == nullptr)
            return closeWindow(dialog);
        auto* button = child<QAbstractButton>(dialog, name);
        if (!button->isEnabled()) {
            unexpected.append(QStringLiteral("check: disabled button ") + button->text());
            return closeWindow(dialog);
        }
        button->click();
        return dialog.result();
    });
}

void ScriptedAnswers::answerCancel()
{
    answerDialog(closeWindow);
}

int ScriptedAnswers::execDialog(QDialog& dialog)
{
    if (auto* check = qobject_cast<TfmCheckError*>(&dialog)) {
        checkMessages.append(check->message());
        skipEnabled.append(child<QAbstractButton>(dialog, "Button2")->isEnabled());
        skipAllEnabled.append(child<QAbstractButton>(dialog, "Button3")->isEnabled());
    }
    return ScriptedInteraction::execDialog(dialog);
}

FrameTestHost::FrameTestHost()
{
    doc.SetInteractiveDefaults();
    countries = std::make_unique<TfmGrazhd>(
        nullptr, QList<PickerRow>{{QStringLiteral("840"), QStringLiteral("США")},
                                  {QStringLiteral("276"), QStringLiteral("Германия")}});
}

FrameTestHost::~FrameTestHost() = default;
