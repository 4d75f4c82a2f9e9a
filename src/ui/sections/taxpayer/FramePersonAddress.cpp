#include "ui/sections/taxpayer/FramePersonAddress.h"

#include "check/SectionCheckRun.h"
#include "check/TaxpayerRules.h"
#include "directories/FixedTables.h"
#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/taxpayer/FramePersonData.h"
#include "ui/widgets/EntryFields.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrPersonAddress::TfrPersonAddress(QWidget* parent, FrameHost& host) : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrPersonAddress"));
    buildControls();
    loadFromDocument();
}

void TfrPersonAddress::buildControls()
{
    auto* address = new QGroupBox(QStringLiteral("  Адрес в Российской Федерации"), this);
    address->setObjectName(QStringLiteral("gbAddress"));
    m_rbReg = new QRadioButton(QStringLiteral("жительства"), address);
    m_rbReg->setObjectName(QStringLiteral("rbReg"));
    m_rbPreb = new QRadioButton(QStringLiteral("пребывания"), address);
    m_rbPreb->setObjectName(QStringLiteral("rbPreb"));
    auto* stay = new QButtonGroup(this);
    stay->addButton(m_rbReg);
    stay->addButton(m_rbPreb);
    // Created in the order they stand, which is the order Tab takes: the OKTMO code beside the
    // postcode, then the region and the address lines.
    m_mePostIndex = EntryFields::digits(address, QStringLiteral("mePostIndex"), 6);
    m_meOKATO = EntryFields::digits(address, QStringLiteral("meOKATO"), 11);
    m_pnlRegion = EntryFields::panel(address, "pnlRegion", Qt::AlignLeft);
    m_bnRegion = EntryFields::pickerButton(address, "bnRegion");
    EntryFields::addressLines(address, {&m_meDistrict, &m_meCity, &m_meArea, &m_meStreet,
                                        &m_meHouse, &m_meBuilding, &m_meFlat});

    const auto caption = [address](const QString& text) { return new QLabel(text, address); };
    auto* grid = new QGridLayout(address);
    auto* kind = new QHBoxLayout;
    kind->addWidget(m_rbReg);
    kind->addWidget(m_rbPreb);
    kind->addStretch();
    grid->addLayout(kind, 0, 0, 1, 6);
    grid->addWidget(caption(QStringLiteral("Почтовый индекс")), 1, 0);
    grid->addWidget(m_mePostIndex, 1, 1);
    grid->addWidget(caption(QStringLiteral("ОКТМО")), 1, 2);
    grid->addWidget(m_meOKATO, 1, 3);
    grid->addWidget(caption(QStringLiteral("Регион")), 2, 0);
    auto* region = new QHBoxLayout;
    region->addWidget(m_pnlRegion, 1);
    region->addWidget(m_bnRegion);
    grid->addLayout(region, 2, 1, 1, 5);
    grid->addWidget(caption(QStringLiteral("Район")), 3, 0);
    grid->addWidget(m_meDistrict, 3, 1, 1, 5);
    grid->addWidget(caption(QStringLiteral("Город")), 4, 0);
    grid->addWidget(m_meCity, 4, 1, 1, 5);
    grid->addWidget(caption(QStringLiteral("Населенный пункт")), 5, 0);
    grid->addWidget(m_meArea, 5, 1, 1, 5);
    grid->addWidget(caption(QStringLiteral("Улица")), 6, 0);
    grid->addWidget(m_meStreet, 6, 1, 1, 5);
    grid->addWidget(caption(QStringLiteral("Дом")), 7, 0);
    grid->addWidget(m_meHouse, 7, 1);
    grid->addWidget(caption(QStringLiteral("Корпус")), 7, 2);
    grid->addWidget(m_meBuilding, 7, 3);
    grid->addWidget(caption(QStringLiteral("Квартира")), 7, 4);
    grid->addWidget(m_meFlat, 7, 5);

    m_gbPhone = new QGroupBox(QStringLiteral("  Контактный телефон"), this);
    m_gbPhone->setObjectName(QStringLiteral("gbPhone"));
    m_meHomePhone = EntryFields::digits(m_gbPhone, QStringLiteral("meHomePhone"), 20);
    auto* phoneLayout = new QHBoxLayout(m_gbPhone);
    phoneLayout->addWidget(m_meHomePhone);
    phoneLayout->addStretch();

    auto* abroad = new QGroupBox(QStringLiteral("   Адрес за пределами РФ"), this);
    abroad->setObjectName(QStringLiteral("gbAbroad"));
    m_meAdr = EntryFields::text(abroad, QStringLiteral("meAdr"), 140);
    auto* abroadLayout = new QHBoxLayout(abroad);
    abroadLayout->addWidget(m_meAdr);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(address);
    layout->addWidget(m_gbPhone);
    layout->addWidget(abroad);
    layout->addStretch();

    connect(m_bnRegion, &QPushButton::clicked, this, &TfrPersonAddress::pickRegion);
    for (QLineEdit* edit : {m_mePostIndex, m_meDistrict, m_meCity, m_meArea, m_meStreet, m_meHouse,
                            m_meBuilding, m_meFlat, m_meOKATO, m_meHomePhone, m_meAdr})
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
    m_meDistrict->setText(person.District);
    m_meCity->setText(person.City);
    m_meArea->setText(person.Locality);
    m_meStreet->setText(person.Street);
    m_meHouse->setText(person.House);
    m_meBuilding->setText(person.Building);
    m_meFlat->setText(person.Flat);
    m_meOKATO->setText(person.OKTMO);
    m_meHomePhone->setText(person.Phone);
    m_meAdr->setText(person.ForeignAddress);
    m_loading = false;
}

void TfrPersonAddress::pickRegion()
{
    TfmRegionName picker(this, FixedTables::Regions());
    picker.PreselectRegion(m_regionCode);
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
    person.District = m_meDistrict->text();
    person.City = m_meCity->text();
    person.Locality = m_meArea->text();
    person.Street = m_meStreet->text();
    person.House = m_meHouse->text();
    person.Building = m_meBuilding->text();
    person.Flat = m_meFlat->text();
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
        m_bnRegion->setFocus();
        pickRegion();
        break;
    case ResidenceField::Oktmo:
        m_meOKATO->setFocus();
        break;
    case ResidenceField::Locality:
        m_meArea->setFocus();
        break;
    default:
        break;
    }
}
