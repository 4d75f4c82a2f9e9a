#include "UserActions.h"

#include "ui/pickers/ListPicker.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

void click(const QObject& parent, const char* name)
{
    child<QAbstractButton>(parent, name)->click();
}

void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        // ASCII goes through QTest's own key codes (a point is Key_Period); other characters
        // carry only their text, as a keyboard layout without a Qt key code sends them.
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

void type(const QObject& parent, const char* name, const QString& text)
{
    auto* edit = child<QLineEdit>(parent, name);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    typeKeys(edit, text);
}

void clickAndType(QWidget* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    typeKeys(field, text);
}

bool showsWhatItDraws(QWidget* widget)
{
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    const QPoint at = widget->mapTo(widget->window(), QPoint());
    const QImage shown = widget->screen()
                             ->grabWindow(widget->window()->winId(), at.x(), at.y(),
                                          widget->width(), widget->height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage drawn = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return !shown.isNull() && shown == drawn;
}

void leave(QWidget* widget)
{
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(widget, &focusOut);
}

QStringList editableFields(const QWidget& root)
{
    QStringList names;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isEnabledTo(&root) || widget->isHidden())
            continue;
        const auto* edit = qobject_cast<QLineEdit*>(widget);
        // A spin box's own line edit is counted as the spin box.
        if (edit != nullptr && qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) != nullptr)
            continue;
        if ((edit != nullptr && !edit->isReadOnly()) || qobject_cast<QAbstractSpinBox*>(widget) ||
            qobject_cast<QCheckBox*>(widget) || qobject_cast<QComboBox*>(widget))
            names.append(widget->objectName());
    }
    return names;
}

QStringList unnamedControls(const QWidget& root)
{
    QStringList faults;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled())
            continue;
        // A spin box's own line edit is named as the spin box.
        if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr)
            continue;
        const bool list = qobject_cast<QAbstractItemView*>(widget) != nullptr &&
                          qobject_cast<QHeaderView*>(widget) == nullptr;
        if (!list && (widget->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        const QString name =
            QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed();
        bool own =
            std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
        for (QWidget* above = widget->parentWidget(); own && above != nullptr;
             above = above->parentWidget()) {
            if (const auto* box = qobject_cast<QGroupBox*>(above))
                own = name != box->title().trimmed();
        }
        if (!own)
            faults.append((widget->objectName().isEmpty()
                               ? QString::fromLatin1(widget->metaObject()->className())
                               : widget->objectName()) +
                          QStringLiteral(": \"") + name + u'"');
    }
    return faults;
}

QString text(const QObject& parent, const char* name)
{
    return child<QLineEdit>(parent, name)->text();
}

ScriptedInteraction::DialogScript pick(const QString& code)
{
    return [code](QDialog& dialog) {
        auto* picker = qobject_cast<TfmListPicker*>(&dialog);
        if (picker == nullptr || !picker->Preselect(code)) {
            dialog.reject();
            return dialog.result();
        }
        click(dialog, "btnYes");
        return dialog.result();
    };
}
