#include "ui/sections/foreign_income/InputCurrencySourseIncome.h"

#include "check/EntryRules.h"
#include "check/SectionCheckRun.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/MyFrame.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmInputCurrencySourseIncome::TfmInputCurrencySourseIncome(QWidget* parent, FrameHost& host)
    : QDialog(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Доход"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_meSourseName = EntryFields::text(this, QStringLiteral("meSourseName"), 94);
    m_meGos = EntryFields::digits(this, QStringLiteral("meGos"), 3);
    m_meGos->setFixedWidth(60);
    m_button1 = new QPushButton(QStringLiteral("..."), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setAutoDefault(false);
    m_button1->setFixedWidth(32);
    m_button1->setEnabled(m_host.countryPicker() != nullptr);

    auto* country = new QHBoxLayout;
    country->addWidget(m_meGos);
    country->addWidget(m_button1);
    country->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Наименование источника выплаты"), m_meSourseName);
    form->addRow(QStringLiteral("Код страны"), country);

    const DialogButtons buttons = DialogButtons::create(this);
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInputCurrencySourseIncome::confirm);
    connect(m_button1, &QPushButton::clicked, this, &TfmInputCurrencySourseIncome::pickCountry);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
    resize(520, 0);
}

void TfmInputCurrencySourseIncome::Fill(const QString& name, const QString& country)
{
    m_meSourseName->setText(name);
    m_meGos->setText(country);
}

QString TfmInputCurrencySourseIncome::sourceName() const
{
    return m_meSourseName->text();
}

QString TfmInputCurrencySourseIncome::countryCode() const
{
    return m_meGos->text().trimmed();
}

void TfmInputCurrencySourseIncome::pickCountry()
{
    TfmGrazhd* picker = m_host.countryPicker();
    if (picker == nullptr)
        return;
    picker->Preselect(m_meGos->text());
    if (m_host.interaction().execDialog(*picker) != QDialog::Accepted)
        return;
    const QString code = picker->chosenCode().trimmed();
    if (code == m_meGos->text())
        return;
    m_meGos->setText(code);
    m_host.NotifyDocumentChanged();
}

void TfmInputCurrencySourseIncome::confirm()
{
    WindowCheckAnswerer answerer(m_host.interaction(), this);
    const quint16 code =
        CheckForeignSource(answerer, QStringLiteral("Источник дохода"), m_meGos->text());
    // Closing the message only closes it; "Исправить" leads to the country picker.
    if (code == SectionCheckRun::kClosedCode)
        return;
    if (code != 0) {
        m_button1->setFocus();
        pickCountry();
        return;
    }
    accept();
}
