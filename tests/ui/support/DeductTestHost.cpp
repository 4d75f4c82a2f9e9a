#include "DeductTestHost.h"

void ScriptedDialogs::answerCheck(int result)
{
    answer([this, result](QDialog& dialog) {
        auto* check = qobject_cast<TfmCheckError*>(&dialog);
        if (check == nullptr) {
            unexpected.append(QStringLiteral("not a check dialog: ") + dialog.windowTitle());
            return int(QDialog::Rejected);
        }
        checkMessages.append(check->message());
        skipEnabled.append(child<QAbstractButton>(dialog, "Button2")->isEnabled() ||
                           child<QAbstractButton>(dialog, "Button3")->isEnabled());
        return result;
    });
}
