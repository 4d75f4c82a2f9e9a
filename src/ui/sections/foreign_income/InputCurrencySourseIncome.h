#pragma once

#include <QDialog>

class FrameHost;
class QLineEdit;
class QPushButton;

// A foreign source of income: its name and the code of its country, picked from the country
// directory. Confirming without a country asks once more; "Исправить" opens the picker.
class TfmInputCurrencySourseIncome : public QDialog
{
    Q_OBJECT

public:
    TfmInputCurrencySourseIncome(QWidget* parent, FrameHost& host);

    void Fill(const QString& name, const QString& country);
    QString sourceName() const;
    QString countryCode() const;

private:
    void pickCountry();
    void confirm();

    FrameHost& m_host;
    QLineEdit* m_meSourseName;
    QLineEdit* m_meGos;
    QPushButton* m_button1;
};
