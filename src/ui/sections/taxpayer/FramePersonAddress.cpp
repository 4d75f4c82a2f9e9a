#include "ui/sections/taxpayer/FramePersonAddress.h"

#include "check/SectionCheckRun.h"
#include "check/TaxpayerRules.h"
#include "directories/FixedTables.h"
#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/taxpayer/FramePersonData.h"
#include "ui/widgets/Choices.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

TfrPersonAddress::TfrPersonAddress(QWidget* parent, FrameHost& host) : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrPersonAddress"));
    FormGrid page(this);
    buildAddress(page.group("gbAddress", QStringLiteral("  Адрес в Российской Федерации")));
    m_gbPhone = page.group("gbPhone", QStringLiteral("  Контактный телефон"));
    buildPhone(m_gbPhone);
    buildAbroad(page.group("gbAbroad", QStringLiteral("   Адрес за пределами РФ")));
    page.stretch();
    connectChanges();
    loadFromDocument();
}

void TfrPersonAddress::buildAddress(QGroupBox* box)
{
    m_rbResidence = Choices::radio(box, "rbReg", QStringLiteral("жительства"));
    m_rbResidence->setAccessibleDescription(QStringLiteral("Адрес места жительства"));
    m_rbStay = Choices::radio(box, "rbPreb", QStringLiteral("пребывания"));
    m_rbStay->setAccessibleDescription(QStringLiteral("Адрес места пребывания"));
    Choices::exclusive(this, {m_rbResidence, m_rbStay});
    m_mePostcode = EntryFields::digits(box, QStringLiteral("mePostIndex"), Digits::Postcode);
    m_meOktmo = EntryFields::digits(box, QStringLiteral("meOKATO"), Digits::Oktmo);
    m_meRegion =
        new CodeField(box, "pnlRegion", Shows::Name, "bnRegion", QStringLiteral("Выбрать регион"));
    m_lines.emplace(box);

    FormGrid grid(box);
    grid.wide(Choices::row({m_rbResidence, m_rbStay}));
    grid.row(
        {{QStringLiteral("Почтовый индекс"), m_mePostcode}, {QStringLiteral("ОКТМО"), m_meOktmo}});
    grid.row({{QStringLiteral("Регион"), m_meRegion, FormGrid::Span::ToRightEdge}});
    m_lines->addRows(grid);
}

void TfrPersonAddress::buildPhone(QGroupBox* box)
{
    m_mePhone = EntryFields::digits(box, QStringLiteral("meHomePhone"), Digits::Phone);
    FormGrid(box).row(
        {FormGrid::Field::uncaptioned(m_mePhone, QStringLiteral("Номер контактного телефона"))});
}

void TfrPersonAddress::buildAbroad(QGroupBox* box)
{
    m_meForeignAddress =
        EntryFields::text(box, QStringLiteral("meAdr"), TextLength::ForeignAddress);
    FormGrid(box).row({FormGrid::Field::uncaptioned(
        m_meForeignAddress, QStringLiteral("Адрес за пределами Российской Федерации"))});
}

void TfrPersonAddress::connectChanges()
{
    connect(m_meRegion, &CodeField::pickRequested, this, &TfrPersonAddress::pickRegion);
    for (QLineEdit* edit : {m_mePostcode, m_lines->district, m_lines->city, m_lines->locality,
                            m_lines->street, m_lines->house, m_lines->building, m_lines->flat,
                            m_meOktmo, m_mePhone, m_meForeignAddress})
        connect(edit, &QLineEdit::textEdited, this, &TfrPersonAddress::changed);
    connect(m_rbResidence, &QRadioButton::clicked, this, &TfrPersonAddress::changed);
    connect(m_rbStay, &QRadioButton::clicked, this, &TfrPersonAddress::changed);
}

void TfrPersonAddress::changed()
{
    if (!m_loading)
        host().NotifyDocumentChanged();
}

void TfrPersonAddress::loadFromDocument()
{
    m_loading = true;
    const mTDeclaration& doc = document();
    const mTPersonInformation& person = doc.Person;
    m_gbPhone->setVisible(doc.DeclForm != DeclarationForm::EstimatedIncome);
    if (person.StayAddress != 0)
        m_rbStay->setChecked(true);
    else
        m_rbResidence->setChecked(true);
    m_mePostcode->setText(person.PostIndex);
    m_regionCode = person.RegionCode;
    m_meRegion->setText(person.RegionName);
    m_lines->district->setText(person.District);
    m_lines->city->setText(person.City);
    m_lines->locality->setText(person.Locality);
    m_lines->street->setText(person.Street);
    m_lines->house->setText(person.House);
    m_lines->building->setText(person.Building);
    m_lines->flat->setText(person.Flat);
    m_meOktmo->setText(person.OKTMO);
    m_mePhone->setText(person.Phone);
    m_meForeignAddress->setText(person.ForeignAddress);
    m_loading = false;
}

void TfrPersonAddress::pickRegion(const QString& search)
{
    TfmRegionName picker(this, FixedTables::Regions());
    picker.PreselectRegion(m_regionCode);
    picker.setSearchText(search);
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    if (picker.chosenName() == m_meRegion->text())
        return;
    m_regionCode = quint16(picker.chosenRegion());
    m_meRegion->setText(picker.chosenName());
    changed();
}

void TfrPersonAddress::StoreData()
{
    mTPersonInformation& person = document().Person;
    person.PostIndex = m_mePostcode->text();
    person.RegionCode = m_regionCode;
    person.RegionName = m_meRegion->text();
    person.District = m_lines->district->text();
    person.City = m_lines->city->text();
    person.Locality = m_lines->locality->text();
    person.Street = m_lines->street->text();
    person.House = m_lines->house->text();
    person.Building = m_lines->building->text();
    person.Flat = m_lines->flat->text();
    person.OKTMO = m_meOktmo->text();
    person.Phone = m_mePhone->text();
    person.StayAddress = m_rbStay->isChecked() ? 1 : 0;
    person.ForeignAddress = m_meForeignAddress->text();
}

quint16 TfrPersonAddress::CheckData()
{
    WindowCheckAnswerer answerer(host().interaction(), this);
    SectionCheckRun run(answerer, TfrPersonData::sectionName());
    run.failEach(ResidenceFailures(document(), CheckScope::Section));
    return run.result();
}

void TfrPersonAddress::FocusError(quint16 code)
{
    switch (code) {
    case ResidenceField::Region:
        m_meRegion->pick();
        break;
    case ResidenceField::Oktmo:
        m_meOktmo->setFocus();
        break;
    case ResidenceField::Locality:
        m_lines->locality->setFocus();
        break;
    default:
        break;
    }
}
