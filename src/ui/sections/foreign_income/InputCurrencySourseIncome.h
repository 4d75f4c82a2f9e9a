#pragma once

#include <QDialog>

class CodeField;
class FrameHost;
class QLineEdit;

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
    void pickCountry(const QString& search);
    void confirm();

    FrameHost& m_host;
    QLineEdit* m_sourceName;
    CodeField* m_countryCode;
};
