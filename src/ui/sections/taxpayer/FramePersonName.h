#pragma once

#include "ui/sections/taxpayer/FramePersonNameMask.h"
#include "ui/widgets/MyFrame.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SeriesNumberValidator;

// The taxpayer's name, INN, birth, identity document and citizenship; under 4-NDFL the name, INN,
// OKTMO code and phone only.
class TfrPersonNaim : public TThinkingFrame
{
    Q_OBJECT

public:
    TfrPersonNaim(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override;
    void FocusError(quint16 code) override;

    TEditType serialKind() const;

private:
    void buildControls();
    void loadFromDocument();
    void pickDocumentKind();
    void pickCountry();
    void setDocumentFieldsEnabled(bool enabled);
    void changed();

    bool m_loading = false;
    quint16 m_docKind = 0;
    // The kind's name as the file holds it or the picker gave it.
    QString m_docKindName;
    bool m_birthChanged = false;
    bool m_issueChanged = false;

    QLineEdit* m_meSurName;
    QLineEdit* m_meName;
    QLineEdit* m_mePatronymic;
    QLineEdit* m_meINN;
    QLabel* m_lbOKATO;
    QLineEdit* m_meOKATO;
    QLabel* m_lbHomePhone;
    QLineEdit* m_meHomePhone;
    QLabel* m_lbBirthDate;
    QDateEdit* m_dtBirthDate;
    QLabel* m_lbMesto;
    QLineEdit* m_meMesto;
    QGroupBox* m_gbDocument;
    QLineEdit* m_pnlDocType;
    QPushButton* m_bnDocType;
    QLineEdit* m_meSerial;
    SeriesNumberValidator* m_serialMask;
    QLineEdit* m_meKem;
    QDateEdit* m_dtRegDate;
    QGroupBox* m_gbCitizenship;
    QRadioButton* m_rbGr;
    QRadioButton* m_rbBomzh;
    QLineEdit* m_meKodGrazhd;
    QPushButton* m_bnGrazhd;
    QLineEdit* m_meCitizenship;
};
