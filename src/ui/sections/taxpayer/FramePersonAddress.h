#pragma once

#include "ui/widgets/MyFrame.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
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
    void buildControls();
    void loadFromDocument();
    void pickRegion();
    void changed();

    bool m_loading = false;
    quint16 m_regionCode = 0;

    QRadioButton* m_rbReg;
    QRadioButton* m_rbPreb;
    QLineEdit* m_mePostIndex;
    QLineEdit* m_pnlRegion;
    QPushButton* m_bnRegion;
    QLineEdit* m_meDistrict;
    QLineEdit* m_meCity;
    QLineEdit* m_meArea;
    QLineEdit* m_meStreet;
    QLineEdit* m_meHouse;
    QLineEdit* m_meBuilding;
    QLineEdit* m_meFlat;
    QLineEdit* m_meOKATO;
    QGroupBox* m_gbPhone;
    QLineEdit* m_meHomePhone;
    QLineEdit* m_meAdr;
};
