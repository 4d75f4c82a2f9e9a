#pragma once

#include "ui/sections/taxpayer/FramePersonNameMask.h"
#include "ui/widgets/MyFrame.h"

class CodeField;
class DateField;
class DocumentNumberField;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class mTPersonInformation;

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
    void buildName(QGroupBox* box);
    void buildDocument(QGroupBox* box);
    void buildCitizenship(QGroupBox* box);
    void connectChanges();
    void loadFromDocument();
    void loadDocument(const mTPersonInformation& person);
    void pickDocumentKind(const QString& search);
    void pickCountry(const QString& search);
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
    QLineEdit* m_meOKATO;
    QLineEdit* m_meHomePhone;
    DateField* m_dtBirthDate;
    QLineEdit* m_meMesto;
    QGroupBox* m_gbDocument;
    CodeField* m_pnlDocType;
    DocumentNumberField* m_meSerial;
    QLineEdit* m_meKem;
    DateField* m_dtRegDate;
    QGroupBox* m_gbCitizenship;
    QRadioButton* m_rbGr;
    QRadioButton* m_rbBomzh;
    CodeField* m_meKodGrazhd;
    QLineEdit* m_meCitizenship;
};
