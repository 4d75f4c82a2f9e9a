#pragma once

#include "ui/widgets/PaymentSourceFields.h"

#include <QDialog>

class AmountField;
class Interaction;
class QLineEdit;
class mTThirtyPercent;

// The source of dividends: its name and codes, the dividends, the taxable part with the tax
// computed on it at 9 %, and the tax withheld.
class TfmInput30SourseIncome : public QDialog
{
    Q_OBJECT

public:
    TfmInput30SourseIncome(QWidget* parent, Interaction& interaction);

    static QString groupTitle();

    // Fills the fields from an entry; the entry's computed tax stands until the taxable amount
    // is changed.
    void Fill(const mTThirtyPercent& entry);
    // Writes the fields into an entry (the income code is left alone).
    void Apply(mTThirtyPercent& entry) const;
    QString sourceName() const;

    // The checks of "Да": 0 to accept, otherwise the field to fix.
    quint16 Check();
    void FocusField(quint16 code);

private:
    void taxableChanged();
    void confirm();

    Interaction& m_interaction;
    PaymentSourceFields m_source;
    AmountField* m_dividends;
    AmountField* m_taxableDividends;
    AmountField* m_taxWithheld;
    QLineEdit* m_taxComputed;
};
