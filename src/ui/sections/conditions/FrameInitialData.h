#pragma once

#include "ui/widgets/MyFrame.h"

class AmountField;
class CodeField;
class DateField;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// The conditions of the declaration: its kind and year, the tax office, the correction number, the
// taxpayer's category, the kinds of income present and who signs it.
class TfrInitialData : public TThinkingFrame
{
    Q_OBJECT

public:
    TfrInitialData(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override;
    void FocusError(quint16 code) override;

    static QString sectionName();

private:
    QGroupBox* buildForm();
    QGroupBox* buildYear();
    QGroupBox* buildGeneral();
    void buildCategory(QGroupBox* box);
    void buildIncomeKinds(QGroupBox* box);
    void buildSigner(QGroupBox* box);
    void connectChoices();
    void loadFromDocument();
    void formChosen();
    void signerChosen();
    void certificateToggled(bool ticked);
    void currencyToggled(bool ticked);
    void businessToggled(bool ticked);
    void secondYearChosen(bool chosen);
    void pickInspection(const QString& search);
    void applyDeductionRule();
    bool anyIncomeBox() const;
    quint8 storedIncomeKinds() const;
    // A choice that would delete entered records asks first; "Нет" puts the choice back.
    bool formChoiceConfirmed();
    bool clearingConfirmed(QCheckBox* box, quint8 kind);
    bool droppingConfirmed(quint8 kept, quint8 keptAfter);
    quint8 kindsAfterFormChoice() const;

    bool m_loading = false;
    // The declaration kind is still the one the file holds: the income boxes it disables keep
    // the file's income kinds rather than clearing them.
    bool m_formAsLoaded = true;
    // The declaration kind whose effects the frame shows.
    QRadioButton* m_chosenForm = nullptr;
    QString m_pickedInspectionName;

    // The declaration kind: 3-NDFL, 3-NDFL of a non-resident, 4-NDFL.
    QRadioButton* m_rbResident;
    QRadioButton* m_rbNonResident;
    QRadioButton* m_rbEstimated;
    // The two years offered: 2013 and 2014, or 2014 and 2015 under 4-NDFL.
    QRadioButton* m_rbFirstYear;
    QRadioButton* m_rbSecondYear;
    CodeField* m_meInspection;
    QSpinBox* m_meCorrectionNumber;
    DateField* m_dtSignDate;
    QRadioButton* m_rbFarmHead;
    QRadioButton* m_rbEntrepreneur;
    QRadioButton* m_rbNotary;
    QRadioButton* m_rbLawyer;
    QRadioButton* m_rbOtherPerson;
    // The income kinds: in the country (by the income certificates), in foreign currency, from
    // business.
    QCheckBox* m_chbCountryIncome;
    QLabel* m_lbCountryIncomeNote;
    QCheckBox* m_chbForeignIncome;
    QCheckBox* m_chbBusinessIncome;
    QLabel* m_lbEstimatedIncome;
    AmountField* m_meEstimatedIncome;
    QCheckBox* m_chbAutoCountSheets;
    QLineEdit* m_meProofSheets;
    // Who signs: the taxpayer, a person representing them, an organisation representing them.
    QRadioButton* m_rbSignsPersonally;
    QRadioButton* m_rbSignsRepresentative;
    QRadioButton* m_rbSignsOrganisation;
    QLabel* m_lbRepresentativeName;
    QLineEdit* m_meRepresentativeName;
    QLabel* m_lbRepresentativeOrg;
    QLineEdit* m_meRepresentativeOrg;
    QLabel* m_lbRepresentativeDoc;
    QLineEdit* m_meRepresentativeDoc;
};
