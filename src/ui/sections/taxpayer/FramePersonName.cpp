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
#include "ui/widgets/Choices.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QGroupBox>
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
    m_meSurname = EntryFields::text(box, QStringLiteral("meSurName"), TextLength::NamePart);
    m_meInn = EntryFields::digits(box, QStringLiteral("meINN"), Digits::PersonInn);
    m_meFirstName = EntryFields::text(box, QStringLiteral("meName"), TextLength::NamePart);
    m_dtBirthDate = new DateField(box, QStringLiteral("dtBirthDate"));
    m_dtBirthDate->setDateRange(kFirstDate, QDate::currentDate());
    m_mePatronymic = EntryFields::text(box, QStringLiteral("mePatronymic"), TextLength::NamePart);
    // Under 4-NDFL only, in place of the birth.
    m_meOktmo = EntryFields::digits(box, QStringLiteral("meOKATO"), Digits::Oktmo);
    m_mePhone = EntryFields::digits(box, QStringLiteral("meHomePhone"), Digits::Phone);
    m_meBirthPlace = EntryFields::text(box, QStringLiteral("meMesto"), TextLength::BirthPlace);

    FormGrid grid(box);
    grid.row({{QStringLiteral("Фамилия"), m_meSurname}, {QStringLiteral("ИНН"), m_meInn}});
    grid.row(
        {{QStringLiteral("Имя"), m_meFirstName}, {QStringLiteral("Дата рождения"), m_dtBirthDate}});
    grid.row({{QStringLiteral("Отчество"), m_mePatronymic}});
    grid.row({{QStringLiteral("ОКТМО"), m_meOktmo}, {QStringLiteral("Телефон"), m_mePhone}});
    grid.row({{QStringLiteral("Место рождения"), m_meBirthPlace, Span::ToRightEdge}});
}

void TfrPersonNaim::buildDocument(QGroupBox* box)
{
    m_meDocumentKind = new CodeField(box, "pnlDocType", Shows::Name, "bnDocType",
                                     QStringLiteral("Выбрать вид документа"));
    m_meDocumentNumber = new DocumentNumberField(box, QStringLiteral("meSerial"));
    m_dtIssueDate = new DateField(box, QStringLiteral("dtRegDate"));
    m_dtIssueDate->setDateRange(kFirstDate, QDate::currentDate());
    m_meIssuer = EntryFields::text(box, QStringLiteral("meKem"), TextLength::DocumentIssuer);

    FormGrid grid(box);
    grid.row({{QStringLiteral("Вид документа"), m_meDocumentKind, Span::ToRightEdge}});
    grid.row({{QStringLiteral("Серия и номер"), m_meDocumentNumber},
              {QStringLiteral("Дата выдачи"), m_dtIssueDate}});
    grid.row({{QStringLiteral("Кем выдан"), m_meIssuer, Span::ToRightEdge}});
}

void TfrPersonNaim::buildCitizenship(QGroupBox* box)
{
    m_rbCitizen = Choices::radio(box, "rbGr", QStringLiteral("Гражданин"));
    m_rbStateless = Choices::radio(box, "rbBomzh", QStringLiteral("Лицо без гражданства"));
    Choices::exclusive(this, {m_rbCitizen, m_rbStateless});
    m_meCountryCode = new CodeField(box, "meKodGrazhd", Shows::Code, "bnGrazhd",
                                    QStringLiteral("Выбрать страну"));
    m_meCountryCode->setMaxLength(32);
    m_pnlCountryName = EntryFields::panel(box, "meCitizenship", Qt::AlignLeft);
    m_pnlCountryName->setMaxLength(70);
    // The name of the country picked: Tab stops at it, so that a screen reader reads it.
    m_pnlCountryName->setFocusPolicy(Qt::StrongFocus);
    connect(m_pnlCountryName, &QLineEdit::textChanged, m_pnlCountryName, &QWidget::setToolTip);

    FormGrid grid(box);
    grid.wide(Choices::row({m_rbCitizen, m_rbStateless}));
    grid.row({{QStringLiteral("Код страны"), m_meCountryCode},
              FormGrid::Field::uncaptioned(m_pnlCountryName, QStringLiteral("Страна"),
                                           Span::ToRightEdge)});
}

void TfrPersonNaim::connectChanges()
{
    connect(m_meDocumentKind, &CodeField::pickRequested, this, &TfrPersonNaim::pickDocumentKind);
    connect(m_meCountryCode, &CodeField::pickRequested, this, &TfrPersonNaim::pickCountry);
    connect(m_dtBirthDate, &DateField::dateChanged, this, [this] {
        if (!m_loading)
            m_birthChanged = true;
        changed();
    });
    connect(m_dtIssueDate, &DateField::dateChanged, this, [this] {
        if (!m_loading)
            m_issueChanged = true;
        changed();
    });
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{
             m_meSurname, m_meFirstName, m_mePatronymic, m_meInn, m_meOktmo, m_mePhone,
             m_meBirthPlace, m_meDocumentNumber, m_meIssuer})
        connect(edit, &QLineEdit::textEdited, this, &TfrPersonNaim::changed);
    connect(m_rbCitizen, &QRadioButton::clicked, this, &TfrPersonNaim::changed);
    connect(m_rbStateless, &QRadioButton::clicked, this, &TfrPersonNaim::changed);
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
    for (QWidget* field : std::initializer_list<QWidget*>{m_meBirthPlace, m_dtBirthDate})
        EntryFields::setShown(field, !estimated);
    for (QWidget* field : {m_meOktmo, m_mePhone})
        EntryFields::setShown(field, estimated);

    m_meSurname->setText(person.Surname);
    m_meFirstName->setText(person.FirstName);
    m_mePatronymic->setText(person.Patronymic);
    m_meInn->setText(person.INN);
    m_meOktmo->setText(person.OKTMO);
    m_mePhone->setText(person.Phone);
    m_meBirthPlace->setText(person.BirthPlace);
    m_dtBirthDate->setDate(DayCount::toDate(person.BirthDate));
    loadDocument(person);

    if (person.CitizenshipSign == QLatin1String("2"))
        m_rbStateless->setChecked(true);
    else
        m_rbCitizen->setChecked(true);
    m_pnlCountryName->setText(person.CitizenshipName);
    m_meCountryCode->setText(person.CitizenshipCode);
    m_meCountryCode->setPickerEnabled(host().countryPicker() != nullptr);
    m_loading = false;
}

void TfrPersonNaim::loadDocument(const mTPersonInformation& person)
{
    m_meIssuer->setText(person.DocIssuer);
    m_documentKindCode = person.DocKind;
    m_documentKindName = person.DocKindName;
    m_meDocumentKind->setText(!m_documentKindName.isEmpty() ? m_documentKindName
                                                            : documentKindName(m_documentKindCode));
    // A document given by its code alone (as files written elsewhere hold it) is a document too:
    // its number is shown and kept.
    const bool hasDocument = m_documentKindCode != 0 || !person.DocKindName.isEmpty();
    if (hasDocument) {
        m_meDocumentNumber->setText(person.DocNumber);
        m_meDocumentNumber->setKind(
            SeriesMask::KindAtBuilding(m_documentKindCode, m_meDocumentNumber->kind()));
    }
    setDocumentFieldsEnabled(hasDocument);
    m_dtIssueDate->setDate(DayCount::toDate(person.DocIssueDate));
}

void TfrPersonNaim::setDocumentFieldsEnabled(bool enabled)
{
    m_meDocumentNumber->setEnabled(enabled);
    m_dtIssueDate->setEnabled(enabled);
    m_meIssuer->setEnabled(enabled);
}

TEditType TfrPersonNaim::serialKind() const
{
    return m_meDocumentNumber->kind();
}

void TfrPersonNaim::pickDocumentKind(const QString& search)
{
    TfmDocType picker(this, FixedTables::DocumentKinds());
    picker.PreselectKind(m_documentKindCode);
    picker.setSearchText(search);
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    if (picker.chosenName() == m_meDocumentKind->text())
        return;
    changed();
    m_documentKindCode = quint16(picker.chosenKind());
    m_documentKindName = picker.chosenName();
    m_meDocumentKind->setText(picker.chosenName());
    if (picker.chosenName().isEmpty())
        return;
    m_meDocumentNumber->clear();
    m_meDocumentNumber->setKind(
        SeriesMask::KindAtPicking(m_documentKindCode, m_meDocumentNumber->kind()));
    setDocumentFieldsEnabled(true);
    m_dtIssueDate->setDate(kFirstIssueDate);
    m_issueChanged = true;
    m_meIssuer->clear();
}

void TfrPersonNaim::pickCountry(const QString& search)
{
    TfmGrazhd* picker = host().countryPicker();
    if (picker == nullptr)
        return;
    picker->Preselect(m_meCountryCode->text());
    picker->setSearchText(search);
    if (host().interaction().execDialog(*picker) != QDialog::Accepted)
        return;
    if (picker->chosenCode() == m_meCountryCode->text())
        return;
    m_meCountryCode->setText(picker->chosenCode());
    m_pnlCountryName->setText(picker->chosenName());
    changed();
}

void TfrPersonNaim::StoreData()
{
    mTPersonInformation& person = document().Person;
    person.Surname = m_meSurname->text();
    person.FirstName = m_meFirstName->text();
    person.Patronymic = m_mePatronymic->text();
    person.INN = m_meInn->text();
    person.DocKind = m_documentKindCode;
    person.DocKindName = m_documentKindName;
    person.DocNumber = m_meDocumentNumber->text();
    // A date is written back once it was changed here, so that a stored date that the field does
    // not take (out of its range, or none at all) stays as the file holds it.
    if (m_issueChanged)
        person.DocIssueDate = DayCount::fromDate(m_dtIssueDate->date());
    if (m_birthChanged)
        person.BirthDate = DayCount::fromDate(m_dtBirthDate->date());
    person.DocIssuer = m_meIssuer->text();
    person.BirthPlace = m_meBirthPlace->text();
    person.OKTMO = m_meOktmo->text();
    person.Phone = m_mePhone->text();
    person.CitizenshipSign = m_rbCitizen->isChecked() ? QStringLiteral("1") : QStringLiteral("2");
    person.CitizenshipName = m_pnlCountryName->text();
    person.CitizenshipCode = m_meCountryCode->text();
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
        m_meDocumentKind->pick();
        return;
    case TaxpayerField::IssueDate:
        // The whole date is selected: what is typed is a new date.
        m_dtIssueDate->setFocus(Qt::OtherFocusReason);
        m_dtIssueDate->selectAll();
        return;
    default:
        break;
    }
    const std::pair<quint16, QWidget*> fields[] = {
        {TaxpayerField::Surname, m_meSurname},
        {TaxpayerField::FirstName, m_meFirstName},
        {TaxpayerField::Patronymic, m_mePatronymic},
        {TaxpayerField::Inn, m_meInn},
        {TaxpayerField::DocumentNumber, m_meDocumentNumber},
        {TaxpayerField::Issuer, m_meIssuer},
        {TaxpayerField::BirthPlace, m_meBirthPlace},
        {TaxpayerField::Oktmo, m_meOktmo}};
    for (const auto& [fieldCode, field] : fields) {
        if (fieldCode == code)
            field->setFocus();
    }
}
