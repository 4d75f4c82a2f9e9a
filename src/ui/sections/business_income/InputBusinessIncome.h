#pragma once

#include <QDialog>
#include <memory>

class FrameHost;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TFormOKVED;

// The kind of a business activity: entrepreneurial (with its activity code, picked from the
// activity classifier), notary, lawyer's or other practice.
class TfmInputBusinessIncome : public QDialog
{
    Q_OBJECT

public:
    TfmInputBusinessIncome(QWidget* parent, FrameHost& host);
    ~TfmInputBusinessIncome() override;

    // "1" entrepreneurial, "2" notary, "3" lawyer, "4" other.
    QString kind() const;
    QString activityName() const;
    void Fill(const QString& kind, const QString& activityName);

    // The picker this dialog keeps while it lives, or null without the activity directory.
    TFormOKVED* picker() const { return m_picker.get(); }

private:
    void kindChosen();
    void pickActivity();

    FrameHost& m_host;
    std::unique_ptr<TFormOKVED> m_picker;
    QRadioButton* m_rbPredp;
    QRadioButton* m_rbNota;
    QRadioButton* m_rbAdvokat;
    QRadioButton* m_rbInaya;
    QLabel* m_lbCode;
    QLineEdit* m_me1;
    QPushButton* m_bnIncomeCod;
};
