#pragma once

#include "model/Pens.h"

#include <QDialog>

class AmountField;
class DateField;
class Interaction;
class QLineEdit;
class QRadioButton;

// One contract of non-state pension provision or voluntary pension insurance. "Да" (or Enter
// anywhere in it) checks the organisation, the contract number and the amounts, and closes the
// dialog only when they pass; otherwise the focus goes to the field to fix. Escape cancels.
class TfmInputSoursePens : public QDialog
{
    Q_OBJECT

public:
    TfmInputSoursePens(QWidget* parent, Interaction& interaction);

    void setContract(const mTPens& contract);
    // The contract as entered; fields the dialog does not show (the contribution to deduct) keep
    // the values of setContract.
    mTPens contract() const;

    static QString groupTitle();

private:
    QWidget* buildKinds();
    void confirm();
    quint16 check();
    void focusField(quint16 code);

    Interaction& m_interaction;
    mTPens m_contract;
    QLineEdit* m_meOrganisation;
    QLineEdit* m_meINN;
    QLineEdit* m_meKPP;
    QLineEdit* m_meContractNumber;
    DateField* m_dtContractDate;
    QRadioButton* m_rbProvisionForSelf;
    QRadioButton* m_rbProvisionForRelative;
    QRadioButton* m_rbInsuranceForSelf;
    QRadioButton* m_rbInsuranceForRelative;
    AmountField* m_meContribution;
    AmountField* m_meAgentDeduction;
};
