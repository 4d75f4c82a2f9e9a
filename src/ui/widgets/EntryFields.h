#pragma once

#include <QValidator>

class QLineEdit;
class QPushButton;
class QWidget;

// Refuses, as it is typed, any character that the declaration file cannot hold (text outside
// Windows-1251) and, with a limit, text longer than the limit.
class Cp1251Validator : public QValidator
{
    Q_OBJECT

public:
    explicit Cp1251Validator(QObject* parent);
    State validate(QString& input, int& pos) const override;

    static bool encodable(const QString& text);
};

// The entry-field kinds shared by the section frames.
namespace EntryFields {

// Any text of at most maxLength characters (0: no limit), Windows-1251 only.
QLineEdit* text(QWidget* parent, const QString& name, int maxLength);
// Digits only, at most maxDigits of them.
QLineEdit* digits(QWidget* parent, const QString& name, int maxDigits);
// The narrow "..." button beside a code that opens its directory picker; never a dialog's default.
QPushButton* pickerButton(QWidget* parent, const char* name);

} // namespace EntryFields
