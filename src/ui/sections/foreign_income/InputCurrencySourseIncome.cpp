#include "ui/sections/foreign_income/InputCurrencySourseIncome.h"

#include "check/EntryRules.h"
#include "check/SectionCheckRun.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/MyFrame.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The dialog opens wide enough for the name of most sources; a longer one scrolls in its field.
constexpr int kNameCharactersShown = 60;

} // namespace

TfmInputCurrencySourseIncome::TfmInputCurrencySourseIncome(QWidget* parent, FrameHost& host)
    : QDialog(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Доход"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_sourceName =
        EntryFields::text(this, QStringLiteral("meSourseName"), TextLength::ForeignSourceName);
    m_countryCode =
        new CodeField(this, "meGos", Shows::Code, "Button1", QStringLiteral("Выбрать страну"));
    m_countryCode->setPickerEnabled(m_host.countryPicker() != nullptr);

    FormGrid grid(this);
    grid.row({{QStringLiteral("Наименование источника выплаты"), m_sourceName,
               FormGrid::Span::ToRightEdge}});
    grid.row({{QStringLiteral("Код страны"), m_countryCode}});
    const DialogButtons buttons = DialogButtons::create(this);
    grid.wide(buttons.row);
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInputCurrencySourseIncome::confirm);
    connect(m_countryCode, &CodeField::pickRequested, this,
            &TfmInputCurrencySourseIncome::pickCountry);
    resize(
        sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * kNameCharactersShown, 0)));
}

void TfmInputCurrencySourseIncome::Fill(const QString& name, const QString& country)
{
    m_sourceName->setText(name);
    m_countryCode->setText(country);
}

QString TfmInputCurrencySourseIncome::sourceName() const
{
    return m_sourceName->text();
}

QString TfmInputCurrencySourseIncome::countryCode() const
{
    return m_countryCode->text().trimmed();
}

void TfmInputCurrencySourseIncome::pickCountry(const QString& search)
{
    TfmGrazhd* picker = m_host.countryPicker();
    if (picker == nullptr)
        return;
    picker->Preselect(m_countryCode->text());
    picker->setSearchText(search);
    if (m_host.interaction().execDialog(*picker) != QDialog::Accepted)
        return;
    const QString code = picker->chosenCode().trimmed();
    if (code == m_countryCode->text())
        return;
    m_countryCode->setText(code);
    m_host.NotifyDocumentChanged();
}

void TfmInputCurrencySourseIncome::confirm()
{
    WindowCheckAnswerer answerer(m_host.interaction(), this);
    const quint16 code =
        CheckForeignSource(answerer, QStringLiteral("Источник дохода"), m_countryCode->text());
    // Closing the message only closes it; "Исправить" leads to the country picker.
    if (code == SectionCheckRun::kClosedCode)
        return;
    if (code != 0) {
        m_countryCode->pick();
        return;
    }
    accept();
}
