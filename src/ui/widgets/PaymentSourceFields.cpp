#include "ui/widgets/PaymentSourceFields.h"

#include "check/FieldChecks.h"
#include "model/SourseIncomeInfo.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QLineEdit>
#include <utility>

PaymentSourceFields::PaymentSourceFields(QWidget* dialog, Digits innDigits)
    : m_dialog(dialog), m_name(EntryFields::text(dialog, QStringLiteral("meSourseName"),
                                                 TextLength::OrganisationName)),
      m_inn(EntryFields::digits(dialog, QStringLiteral("meINN"), innDigits)),
      m_kpp(EntryFields::digits(dialog, QStringLiteral("meKPP"), Digits::Kpp)),
      m_oktmo(EntryFields::digits(dialog, QStringLiteral("meOKATO"), Digits::Oktmo))
{}

void PaymentSourceFields::addRows(FormGrid& grid) const
{
    using Span = FormGrid::Span;
    grid.row({{QStringLiteral("Наименование источника выплаты"), m_name, Span::ToRightEdge}});
    grid.row({{QStringLiteral("ИНН"), m_inn}, {QStringLiteral("КПП"), m_kpp}});
    grid.row({{QStringLiteral("ОКТМО"), m_oktmo}});
}

void PaymentSourceFields::load(const mTSourseIncomeInfo& source) const
{
    m_name->setText(source.SourceName);
    m_inn->setText(source.SourceINN);
    m_kpp->setText(source.SourceKPP);
    m_oktmo->setText(source.SourceOKTMO);
}

void PaymentSourceFields::store(mTSourseIncomeInfo& source) const
{
    source.SourceName = m_name->text();
    source.SourceINN = m_inn->text();
    source.SourceKPP = m_kpp->text();
    source.SourceOKTMO = m_oktmo->text();
}

QString PaymentSourceFields::name() const
{
    return m_name->text();
}

quint16 PaymentSourceFields::check(Interaction& interaction, const QString& groupTitle,
                                   bool strict) const
{
    WindowCheckAnswerer answerer(interaction, m_dialog);
    const auto rule = strict ? &CheckPaymentSourceStrict : &CheckPaymentSource;
    return rule(answerer, groupTitle, m_name->text(), m_oktmo->text(), m_kpp->text(),
                m_inn->text());
}

bool PaymentSourceFields::focus(quint16 code) const
{
    const std::pair<quint16, QLineEdit*> fields[] = {{SourceField::Name, m_name},
                                                     {SourceField::Inn, m_inn},
                                                     {SourceField::Kpp, m_kpp},
                                                     {SourceField::Oktmo, m_oktmo}};
    for (const auto& [fieldCode, edit] : fields) {
        if (fieldCode == code) {
            edit->setFocus();
            return true;
        }
    }
    return false;
}
