#pragma once

#include <QDialog>
#include <memory>

class CodeField;
class FrameHost;
class QLabel;
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
    QRadioButton* m_rbEntrepreneur;
    QRadioButton* m_rbNotary;
    QRadioButton* m_rbLawyer;
    QRadioButton* m_rbOther;
    QLabel* m_lbActivityCode;
    CodeField* m_meActivityCode;
};
