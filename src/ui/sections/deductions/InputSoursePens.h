#pragma once

#include "model/Pens.h"

#include <QDialog>

class Interaction;
class QDateEdit;
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
    // The contract as entered; fields the dialog does not show keep the values of setContract.
    mTPens contract() const;

    static QString groupTitle();

private:
    void confirm();
    quint16 check();
    void focusField(quint16 code);

    Interaction& m_interaction;
    mTPens m_contract;
    QLineEdit* m_meSourseName;
    QLineEdit* m_meINN;
    QLineEdit* m_meKPP;
    QLineEdit* m_meNomDog;
    QDateEdit* m_dtpDatDog;
    QRadioButton* m_rbSelf3;
    QRadioButton* m_rbFam3;
    QRadioButton* m_rbSelf4;
    QRadioButton* m_rbFam4;
    QLineEdit* m_meVZSum;
    QLineEdit* m_meVichSum;
    QLineEdit* m_meNA;
};
