#pragma once

#include "ui/widgets/MyFrame.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
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
    void buildControls();
    void loadFromDocument();
    void formChosen();
    void signerChosen();
    void certificateToggled(bool ticked);
    void currencyToggled(bool ticked);
    void businessToggled(bool ticked);
    void secondYearChosen(bool chosen);
    void pickInspection();
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
    QString m_pickedName;

    QRadioButton* m_rbSimple;
    QRadioButton* m_rbNeRez;
    QRadioButton* m_rb4ndfl;
    QRadioButton* m_rb13;
    QRadioButton* m_rb14;
    QLineEdit* m_meInspection;
    QPushButton* m_bnInspection;
    QSpinBox* m_meNumVer;
    QDateEdit* m_dtGetDate;
    QRadioButton* m_rbFermer;
    QRadioButton* m_rbPredp;
    QRadioButton* m_rbNotarius;
    QRadioButton* m_rbAdvokat;
    QRadioButton* m_rbFLProch;
    QCheckBox* m_chbIncomeInquiry;
    QLabel* m_lbInquiryComment;
    QCheckBox* m_chbIncomeCurrency;
    QCheckBox* m_chbIncomeBusiness;
    QLabel* m_lbSupposeIncome;
    QLineEdit* m_meSupposeIncome;
    QCheckBox* m_chbAutoCalculateApp;
    QLineEdit* m_meAppendixes;
    QRadioButton* m_rbGiveSelf;
    QRadioButton* m_rbGiveTrustFase;
    QRadioButton* m_rbGiveByMail;
    QLabel* m_lbFIO;
    QLineEdit* m_meFIO;
    QLabel* m_lbUL;
    QLineEdit* m_meUL;
    QLabel* m_lbOsn;
    QLineEdit* m_meOsn;
};
