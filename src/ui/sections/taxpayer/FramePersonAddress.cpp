#include "ui/sections/taxpayer/FramePersonAddress.h"

#include "check/SectionCheckRun.h"
#include "check/TaxpayerRules.h"
#include "directories/FixedTables.h"
#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/taxpayer/FramePersonData.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
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
    m_rbReg = new QRadioButton(QStringLiteral("жительства"), box);
    m_rbReg->setObjectName(QStringLiteral("rbReg"));
    m_rbPreb = new QRadioButton(QStringLiteral("пребывания"), box);
    m_rbPreb->setObjectName(QStringLiteral("rbPreb"));
    auto* stay = new QButtonGroup(this);
    stay->addButton(m_rbReg);
    stay->addButton(m_rbPreb);
    m_mePostIndex = EntryFields::digits(box, QStringLiteral("mePostIndex"), Digits::Postcode);
    m_meOKATO = EntryFields::digits(box, QStringLiteral("meOKATO"), Digits::Oktmo);
    m_pnlRegion =
        new CodeField(box, "pnlRegion", Shows::Name, "bnRegion", QStringLiteral("Выбрать регион"));
    m_lines.emplace(box);

    FormGrid grid(box);
    auto* kind = new QHBoxLayout;
    kind->addWidget(m_rbReg);
    kind->addWidget(m_rbPreb);
    kind->addStretch();
    grid.wide(kind);
    grid.row(
        {{QStringLiteral("Почтовый индекс"), m_mePostIndex}, {QStringLiteral("ОКТМО"), m_meOKATO}});
    grid.row({{QStringLiteral("Регион"), m_pnlRegion, FormGrid::Span::ToRightEdge}});
    m_lines->addRows(grid);
}

void TfrPersonAddress::buildPhone(QGroupBox* box)
{
    m_meHomePhone = EntryFields::digits(box, QStringLiteral("meHomePhone"), Digits::Phone);
    FormGrid(box).row(
        {FormGrid::Field::uncaptioned(m_meHomePhone, QStringLiteral("Контактный телефон"))});
}

void TfrPersonAddress::buildAbroad(QGroupBox* box)
{
    m_meAdr = EntryFields::text(box, QStringLiteral("meAdr"), TextLength::ForeignAddress);
    FormGrid(box).row(
        {FormGrid::Field::uncaptioned(m_meAdr, QStringLiteral("Адрес за пределами РФ"))});
}

void TfrPersonAddress::connectChanges()
{
    connect(m_pnlRegion, &CodeField::pickRequested, this, &TfrPersonAddress::pickRegion);
    for (QLineEdit* edit :
         {m_mePostIndex, m_lines->district, m_lines->city, m_lines->locality, m_lines->street,
          m_lines->house, m_lines->building, m_lines->flat, m_meOKATO, m_meHomePhone, m_meAdr})
        connect(edit, &QLineEdit::textEdited, this, &TfrPersonAddress::changed);
    connect(m_rbReg, &QRadioButton::clicked, this, &TfrPersonAddress::changed);
    connect(m_rbPreb, &QRadioButton::clicked, this, &TfrPersonAddress::changed);
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
        m_rbPreb->setChecked(true);
    else
        m_rbReg->setChecked(true);
    m_mePostIndex->setText(person.PostIndex);
    m_regionCode = person.RegionCode;
    m_pnlRegion->setText(person.RegionName);
    m_lines->district->setText(person.District);
    m_lines->city->setText(person.City);
    m_lines->locality->setText(person.Locality);
    m_lines->street->setText(person.Street);
    m_lines->house->setText(person.House);
    m_lines->building->setText(person.Building);
    m_lines->flat->setText(person.Flat);
    m_meOKATO->setText(person.OKTMO);
    m_meHomePhone->setText(person.Phone);
    m_meAdr->setText(person.ForeignAddress);
    m_loading = false;
}

void TfrPersonAddress::pickRegion(const QString& search)
{
    TfmRegionName picker(this, FixedTables::Regions());
    picker.PreselectRegion(m_regionCode);
    picker.setSearchText(search);
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    if (picker.chosenName() == m_pnlRegion->text())
        return;
    m_regionCode = quint16(picker.chosenRegion());
    m_pnlRegion->setText(picker.chosenName());
    changed();
}

void TfrPersonAddress::StoreData()
{
    mTPersonInformation& person = document().Person;
    person.PostIndex = m_mePostIndex->text();
    person.RegionCode = m_regionCode;
    person.RegionName = m_pnlRegion->text();
    person.District = m_lines->district->text();
    person.City = m_lines->city->text();
    person.Locality = m_lines->locality->text();
    person.Street = m_lines->street->text();
    person.House = m_lines->house->text();
    person.Building = m_lines->building->text();
    person.Flat = m_lines->flat->text();
    person.OKTMO = m_meOKATO->text();
    person.Phone = m_meHomePhone->text();
    person.StayAddress = m_rbPreb->isChecked() ? 1 : 0;
    person.ForeignAddress = m_meAdr->text();
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
        m_pnlRegion->pick();
        break;
    case ResidenceField::Oktmo:
        m_meOKATO->setFocus();
        break;
    case ResidenceField::Locality:
        m_lines->locality->setFocus();
        break;
    default:
        break;
    }
}
