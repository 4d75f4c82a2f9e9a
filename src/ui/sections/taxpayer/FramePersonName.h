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
    quint16 m_documentKindCode = 0;
    // The kind's name as the file holds it or the picker gave it.
    QString m_documentKindName;
    bool m_birthChanged = false;
    bool m_issueChanged = false;

    QLineEdit* m_meSurname;
    QLineEdit* m_meFirstName;
    QLineEdit* m_mePatronymic;
    QLineEdit* m_meInn;
    QLineEdit* m_meOktmo;
    QLineEdit* m_mePhone;
    DateField* m_dtBirthDate;
    QLineEdit* m_meBirthPlace;
    QGroupBox* m_gbDocument;
    CodeField* m_meDocumentKind;
    DocumentNumberField* m_meDocumentNumber;
    QLineEdit* m_meIssuer;
    DateField* m_dtIssueDate;
    QGroupBox* m_gbCitizenship;
    QRadioButton* m_rbCitizen;
    QRadioButton* m_rbStateless;
    CodeField* m_meCountryCode;
    QLineEdit* m_pnlCountryName;
};
