#pragma once

#include "ui/widgets/PaymentSourceFields.h"

#include <QDialog>

class Interaction;
class QCheckBox;
class mTThirteenPercent;

// The source of payment of income at 13 %, "Источник выплаты": name, INN, KPP, OKTMO code and
// whether the standard deductions are computed by this source. "Да" checks the source and keeps
// the dialog open on a field the user chose to fix.
class TfmInput13SourseIncome : public QDialog
{
    Q_OBJECT

public:
    TfmInput13SourseIncome(QWidget* parent, Interaction& interaction, bool primaryShown);

    void load(const mTThirteenPercent& source);
    // Writes the five fields of the dialog into source.
    void store(mTThirteenPercent& source) const;
    QString sourceName() const;

    static QString groupTitle();

private:
    void confirm();

    Interaction& m_interaction;
    PaymentSourceFields m_source;
    QCheckBox* m_primarySource;
};
