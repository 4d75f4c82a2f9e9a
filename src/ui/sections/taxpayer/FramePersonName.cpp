#include "ui/sections/taxpayer/FramePersonName.h"

#include "check/SectionCheckRun.h"
#include "check/TaxpayerRules.h"
#include "directories/FixedTables.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/taxpayer/FramePersonData.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using Span = FormGrid::Span;

// The first day either date takes; the last is today.
const QDate kFirstDate(1900, 1, 1);
// The issue date a newly picked document starts from.
const QDate kFirstIssueDate(1990, 1, 1);

// The directory's name of a kind of identity document, or nothing.
QString documentKindName(quint16 kind)
{
    if (kind == 0)
        return {};
    const QString code = QStringLiteral("%1").arg(kind, 2, 10, QLatin1Char('0'));
    for (const DirectoryEntry& entry : FixedTables::DocumentKinds()) {
        if (entry.code == code)
            return entry.name;
    }
    return {};
}

} // namespace

TfrPersonNaim::TfrPersonNaim(QWidget* parent, FrameHost& host) : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrPersonNaim"));
    FormGrid page(this);
    buildName(page.group("gbFIO", QStringLiteral("Ф.И.О.")));
    m_gbDocument =
        page.group("gbDocument", QStringLiteral("Сведения о документе, удостоверяющем личность"));
    buildDocument(m_gbDocument);
    m_gbCitizenship = page.group("gbCitizenship", QStringLiteral("Данные о гражданстве"));
    buildCitizenship(m_gbCitizenship);
    page.stretch();
    connectChanges();
    loadFromDocument();
}

void TfrPersonNaim::buildName(QGroupBox* box)
{
    m_meSurName = EntryFields::text(box, QStringLiteral("meSurName"), TextLength::NamePart);
    m_meINN = EntryFields::digits(box, QStringLiteral("meINN"), Digits::PersonInn);
    m_meName = EntryFields::text(box, QStringLiteral("meName"), TextLength::NamePart);
    m_dtBirthDate = new DateField(box, QStringLiteral("dtBirthDate"));
    m_dtBirthDate->setDateRange(kFirstDate, QDate::currentDate());
    m_mePatronymic = EntryFields::text(box, QStringLiteral("mePatronymic"), TextLength::NamePart);
    // Under 4-NDFL only, in place of the birth.
    m_meOKATO = EntryFields::digits(box, QStringLiteral("meOKATO"), Digits::Oktmo);
    m_meHomePhone = EntryFields::digits(box, QStringLiteral("meHomePhone"), Digits::Phone);
    m_meMesto = EntryFields::text(box, QStringLiteral("meMesto"), TextLength::BirthPlace);

    FormGrid grid(box);
    grid.row({{QStringLiteral("Фамилия"), m_meSurName}, {QStringLiteral("ИНН"), m_meINN}});
    grid.row({{QStringLiteral("Имя"), m_meName}, {QStringLiteral("Дата рождения"), m_dtBirthDate}});
    grid.row({{QStringLiteral("Отчество"), m_mePatronymic}});
    grid.row({{QStringLiteral("ОКТМО"), m_meOKATO}, {QStringLiteral("Телефон"), m_meHomePhone}});
    grid.row({{QStringLiteral("Место рождения"), m_meMesto, Span::ToRightEdge}});
}

void TfrPersonNaim::buildDocument(QGroupBox* box)
{
    m_pnlDocType = new CodeField(box, "pnlDocType", Shows::Name, "bnDocType",
                                 QStringLiteral("Выбрать вид документа"));
    m_meSerial = new DocumentNumberField(box, QStringLiteral("meSerial"));
    m_dtRegDate = new DateField(box, QStringLiteral("dtRegDate"));
    m_dtRegDate->setDateRange(kFirstDate, QDate::currentDate());
    m_meKem = EntryFields::text(box, QStringLiteral("meKem"), TextLength::DocumentIssuer);

    FormGrid grid(box);
    grid.row({{QStringLiteral("Вид документа"), m_pnlDocType, Span::ToRightEdge}});
    grid.row({{QStringLiteral("Серия и номер"), m_meSerial},
              {QStringLiteral("Дата выдачи"), m_dtRegDate}});
    grid.row({{QStringLiteral("Кем выдан"), m_meKem, Span::ToRightEdge}});
}

void TfrPersonNaim::buildCitizenship(QGroupBox* box)
{
    m_rbGr = new QRadioButton(QStringLiteral("Гражданин"), box);
    m_rbGr->setObjectName(QStringLiteral("rbGr"));
    m_rbBomzh = new QRadioButton(QStringLiteral("Лицо без гражданства"), box);
    m_rbBomzh->setObjectName(QStringLiteral("rbBomzh"));
    auto* sign = new QButtonGroup(this);
    sign->addButton(m_rbGr);
    sign->addButton(m_rbBomzh);
    m_meKodGrazhd = new CodeField(box, "meKodGrazhd", Shows::Code, "bnGrazhd",
                                  QStringLiteral("Выбрать страну"));
    m_meKodGrazhd->setMaxLength(32);
    m_meCitizenship = EntryFields::panel(box, "meCitizenship", Qt::AlignLeft);
    m_meCitizenship->setMaxLength(70);
    connect(m_meCitizenship, &QLineEdit::textChanged, m_meCitizenship, &QWidget::setToolTip);

    FormGrid grid(box);
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_rbGr);
    choices->addWidget(m_rbBomzh);
    choices->addStretch();
    grid.wide(choices);
    grid.row({{QStringLiteral("Код страны"), m_meKodGrazhd},
              FormGrid::Field::uncaptioned(m_meCitizenship, QStringLiteral("Страна"),
                                           Span::ToRightEdge)});
}

void TfrPersonNaim::connectChanges()
{
    connect(m_pnlDocType, &CodeField::pickRequested, this, &TfrPersonNaim::pickDocumentKind);
    connect(m_meKodGrazhd, &CodeField::pickRequested, this, &TfrPersonNaim::pickCountry);
    connect(m_dtBirthDate, &DateField::dateChanged, this, [this] {
        if (!m_loading)
            m_birthChanged = true;
        changed();
    });
    connect(m_dtRegDate, &DateField::dateChanged, this, [this] {
        if (!m_loading)
            m_issueChanged = true;
        changed();
    });
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{m_meSurName, m_meName, m_mePatronymic,
                                                             m_meINN, m_meOKATO, m_meHomePhone,
                                                             m_meMesto, m_meSerial, m_meKem})
        connect(edit, &QLineEdit::textEdited, this, &TfrPersonNaim::changed);
    connect(m_rbGr, &QRadioButton::clicked, this, &TfrPersonNaim::changed);
    connect(m_rbBomzh, &QRadioButton::clicked, this, &TfrPersonNaim::changed);
}

void TfrPersonNaim::changed()
{
    if (!m_loading)
        host().NotifyDocumentChanged();
}

void TfrPersonNaim::loadFromDocument()
{
    m_loading = true;
    const mTDeclaration& doc = document();
    const mTPersonInformation& person = doc.Person;

    const bool estimated = doc.DeclForm == DeclarationForm::EstimatedIncome;
    m_gbCitizenship->setVisible(!estimated);
    m_gbDocument->setVisible(!estimated);
    for (QWidget* field : std::initializer_list<QWidget*>{m_meMesto, m_dtBirthDate})
        EntryFields::setShown(field, !estimated);
    for (QWidget* field : {m_meOKATO, m_meHomePhone})
        EntryFields::setShown(field, estimated);

    m_meSurName->setText(person.Surname);
    m_meName->setText(person.FirstName);
    m_mePatronymic->setText(person.Patronymic);
    m_meINN->setText(person.INN);
    m_meOKATO->setText(person.OKTMO);
    m_meHomePhone->setText(person.Phone);
    m_meMesto->setText(person.BirthPlace);
    m_dtBirthDate->setDate(DayCount::toDate(person.BirthDate));
    loadDocument(person);

    if (person.CitizenshipSign == QLatin1String("2"))
        m_rbBomzh->setChecked(true);
    else
        m_rbGr->setChecked(true);
    m_meCitizenship->setText(person.CitizenshipName);
    m_meKodGrazhd->setText(person.CitizenshipCode);
    m_meKodGrazhd->setPickerEnabled(host().countryPicker() != nullptr);
    m_loading = false;
}

void TfrPersonNaim::loadDocument(const mTPersonInformation& person)
{
    m_meKem->setText(person.DocIssuer);
    m_docKind = person.DocKind;
    m_docKindName = person.DocKindName;
    m_pnlDocType->setText(!m_docKindName.isEmpty() ? m_docKindName : documentKindName(m_docKind));
    // A document given by its code alone (as files written elsewhere hold it) is a document too:
    // its number is shown and kept.
    const bool hasDocument = m_docKind != 0 || !person.DocKindName.isEmpty();
    if (hasDocument) {
        m_meSerial->setText(person.DocNumber);
        m_meSerial->setKind(SeriesMask::KindAtBuilding(m_docKind, m_meSerial->kind()));
    }
    setDocumentFieldsEnabled(hasDocument);
    m_dtRegDate->setDate(DayCount::toDate(person.DocIssueDate));
}

void TfrPersonNaim::setDocumentFieldsEnabled(bool enabled)
{
    m_meSerial->setEnabled(enabled);
    m_dtRegDate->setEnabled(enabled);
    m_meKem->setEnabled(enabled);
}

TEditType TfrPersonNaim::serialKind() const
{
    return m_meSerial->kind();
}

void TfrPersonNaim::pickDocumentKind(const QString& search)
{
    TfmDocType picker(this, FixedTables::DocumentKinds());
    picker.PreselectKind(m_docKind);
    picker.setSearchText(search);
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    if (picker.chosenName() == m_pnlDocType->text())
        return;
    changed();
    m_docKind = quint16(picker.chosenKind());
    m_docKindName = picker.chosenName();
    m_pnlDocType->setText(picker.chosenName());
    if (picker.chosenName().isEmpty())
        return;
    m_meSerial->clear();
    m_meSerial->setKind(SeriesMask::KindAtPicking(m_docKind, m_meSerial->kind()));
    setDocumentFieldsEnabled(true);
    m_dtRegDate->setDate(kFirstIssueDate);
    m_issueChanged = true;
    m_meKem->clear();
}

void TfrPersonNaim::pickCountry(const QString& search)
{
    TfmGrazhd* picker = host().countryPicker();
    if (picker == nullptr)
        return;
    picker->Preselect(m_meKodGrazhd->text());
    picker->setSearchText(search);
    if (host().interaction().execDialog(*picker) != QDialog::Accepted)
        return;
    if (picker->chosenCode() == m_meKodGrazhd->text())
        return;
    m_meKodGrazhd->setText(picker->chosenCode());
    m_meCitizenship->setText(picker->chosenName());
    changed();
}

void TfrPersonNaim::StoreData()
{
    mTPersonInformation& person = document().Person;
    person.Surname = m_meSurName->text();
    person.FirstName = m_meName->text();
    person.Patronymic = m_mePatronymic->text();
    person.INN = m_meINN->text();
    person.DocKind = m_docKind;
    person.DocKindName = m_docKindName;
    person.DocNumber = m_meSerial->text();
    // A date is written back once it was changed here, so that a stored date that the field does
    // not take (out of its range, or none at all) stays as the file holds it.
    if (m_issueChanged)
        person.DocIssueDate = DayCount::fromDate(m_dtRegDate->date());
    if (m_birthChanged)
        person.BirthDate = DayCount::fromDate(m_dtBirthDate->date());
    person.DocIssuer = m_meKem->text();
    person.BirthPlace = m_meMesto->text();
    person.OKTMO = m_meOKATO->text();
    person.Phone = m_meHomePhone->text();
    person.CitizenshipSign = m_rbGr->isChecked() ? QStringLiteral("1") : QStringLiteral("2");
    person.CitizenshipName = m_meCitizenship->text();
    person.CitizenshipCode = m_meKodGrazhd->text();
}

quint16 TfrPersonNaim::CheckData()
{
    WindowCheckAnswerer answerer(host().interaction(), this);
    SectionCheckRun run(answerer, TfrPersonData::sectionName());
    run.failEach(TaxpayerNameFailures(document(), CheckScope::Section));
    return run.result();
}

void TfrPersonNaim::FocusError(quint16 code)
{
    switch (code) {
    case TaxpayerField::DocumentKind:
        m_pnlDocType->pick();
        return;
    case TaxpayerField::IssueDate:
        // The whole date is selected: what is typed is a new date.
        m_dtRegDate->setFocus(Qt::OtherFocusReason);
        m_dtRegDate->selectAll();
        return;
    default:
        break;
    }
    const std::pair<quint16, QWidget*> fields[] = {
        {TaxpayerField::Surname, m_meSurName},       {TaxpayerField::FirstName, m_meName},
        {TaxpayerField::Patronymic, m_mePatronymic}, {TaxpayerField::Inn, m_meINN},
        {TaxpayerField::DocumentNumber, m_meSerial}, {TaxpayerField::Issuer, m_meKem},
        {TaxpayerField::BirthPlace, m_meMesto},      {TaxpayerField::Oktmo, m_meOKATO}};
    for (const auto& [fieldCode, field] : fields) {
        if (fieldCode == code)
            field->setFocus();
    }
}
