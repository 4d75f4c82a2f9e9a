#pragma once

#include "ui/widgets/FieldSizes.h"

#include <QString>

class FormGrid;
class Interaction;
class QLineEdit;
class QWidget;
class mTSourseIncomeInfo;

// The source-of-payment fields of the income dialogs: "Наименование источника выплаты", "ИНН",
// "КПП" and "ОКТМО", loaded from and stored into a source record, checked with the
// source-of-payment rules, and focused by the codes of those rules.
class PaymentSourceFields
{
public:
    // Creates the four fields in the dialog, in the order they stand; the INN takes the digits of
    // an organisation's or of a person's.
    PaymentSourceFields(QWidget* dialog, Digits innDigits);

    // Lays the fields out with their captions: the name across the grid, the codes under it.
    void addRows(FormGrid& grid) const;
    QLineEdit* nameField() const { return m_name; }

    void load(const mTSourseIncomeInfo& source) const;
    void store(mTSourseIncomeInfo& source) const;
    QString name() const;

    // Runs the source-of-payment check (every rule mandatory when strict) under the group title;
    // returns the SourceField code of the field the user chose to fix, or 0.
    quint16 check(Interaction& interaction, const QString& groupTitle, bool strict) const;
    // Focuses the field of a SourceField code; false when the code names none of the four.
    bool focus(quint16 code) const;

private:
    QWidget* m_dialog;
    QLineEdit* m_name;
    QLineEdit* m_inn;
    QLineEdit* m_kpp;
    QLineEdit* m_oktmo;
};
