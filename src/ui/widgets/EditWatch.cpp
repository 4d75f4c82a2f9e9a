#include "ui/widgets/EditWatch.h"

#include "ui/widgets/DateField.h"
#include "ui/widgets/MyFrame.h"
#include "ui/widgets/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <memory>
#include <optional>

void WatchEdits(QWidget& root, FrameHost& host)
{
    FrameHost* notified = &host;
    const auto changed = [notified] { notified->NotifyDocumentChanged(); };
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (auto* typedDate = qobject_cast<DateField*>(widget)) {
            QObject::connect(typedDate, &DateField::dateEdited, &root, changed);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            QObject::connect(edit, &QLineEdit::textEdited, &root, changed);
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            // Push and tool buttons only act (add, pick, go to another page): no edit of their own.
            // A click whose choice the frame put back (a question answered "Нет") is no edit:
            // the button is as it was when pressed.
            auto* button = static_cast<QAbstractButton*>(widget);
            auto before = std::make_shared<std::optional<bool>>();
            QObject::connect(button, &QAbstractButton::pressed, &root,
                             [button, before] { *before = button->isChecked(); });
            QObject::connect(button, &QAbstractButton::clicked, &root,
                             [before, changed](bool checked) {
                                 if (*before != checked)
                                     changed();
                                 before->reset();
                             });
        } else if (auto* arrows = qobject_cast<TUpDown*>(widget)) {
            QObject::connect(arrows, &TUpDown::stepped, &root, changed);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QObject::connect(list, &QComboBox::activated, &root, changed);
        } else if (auto* number = qobject_cast<QSpinBox*>(widget)) {
            QObject::connect(number, &QSpinBox::valueChanged, &root, [number, changed] {
                if (number->hasFocus() || number->underMouse())
                    changed();
            });
        } else if (auto* date = qobject_cast<QDateTimeEdit*>(widget)) {
            QObject::connect(date, &QDateTimeEdit::dateTimeChanged, &root, [date, changed] {
                if (date->hasFocus() || date->underMouse())
                    changed();
            });
        }
    }
}
