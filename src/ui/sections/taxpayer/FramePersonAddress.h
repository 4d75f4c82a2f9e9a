#pragma once

#include "ui/widgets/AddressFields.h"
#include "ui/widgets/MyFrame.h"

#include <optional>

class CodeField;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// The taxpayer's address in the country, OKTMO code, contact phone and address abroad.
class TfrPersonAddress : public TThinkingFrame
{
    Q_OBJECT

public:
    TfrPersonAddress(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override;
    void FocusError(quint16 code) override;

private:
    void buildAddress(QGroupBox* box);
    void buildPhone(QGroupBox* box);
    void buildAbroad(QGroupBox* box);
    void connectChanges();
    void loadFromDocument();
    void pickRegion(const QString& search);
    void changed();

    bool m_loading = false;
    quint16 m_regionCode = 0;

    QRadioButton* m_rbResidence;
    QRadioButton* m_rbStay;
    QLineEdit* m_mePostcode;
    QLineEdit* m_meOktmo;
    CodeField* m_meRegion;
    std::optional<AddressFields> m_lines;
    QGroupBox* m_gbPhone;
    QLineEdit* m_mePhone;
    QLineEdit* m_meForeignAddress;
};
