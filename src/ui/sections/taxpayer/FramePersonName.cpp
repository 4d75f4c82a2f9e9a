#include "ui/sections/taxpayer/FramePersonName.h"

#include "check/FieldChecks.h"
#include "check/SectionCheckRun.h"
#include "check/TaxpayerRules.h"
#include "directories/FixedTables.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/taxpayer/FramePersonData.h"
#include "ui/widgets/EntryFields.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* label(QWidget* parent, const QString& caption, const char* name = nullptr)
{
    auto* text = new QLabel(caption, parent);
    if (name != nullptr)
        text->setObjectName(QString::fromLatin1(name));
    return text;
}

QDateEdit* dateField(QWidget* parent, const char* name)
{
    auto* date = new QDateEdit(parent);
    date->setObjectName(QString::fromLatin1(name));
    date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    date->setCalendarPopup(true);
    date->setMinimumDate(QDate(1900, 1, 1));
    date->setMaximumDate(QDate::currentDate());
    return date;
}

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
    buildControls();
    loadFromDocument();
}

void TfrPersonNaim::buildControls()
{
    auto* name = new QGroupBox(QStringLiteral("Ф.И.О."), this);
    name->setObjectName(QStringLiteral("gbFIO"));
    m_meSurName = EntryFields::text(name, QStringLiteral("meSurName"), 33);
    m_meName = EntryFields::text(name, QStringLiteral("meName"), 33);
    m_mePatronymic = EntryFields::text(name, QStringLiteral("mePatronymic"), 33);
    m_meINN = EntryFields::digits(name, QStringLiteral("meINN"), 12);
    m_lbOKATO = label(name, QStringLiteral("ОКТМО"), "lbOKATO");
    m_meOKATO = EntryFields::digits(name, QStringLiteral("meOKATO"), 11);
    m_lbHomePhone = label(name, QStringLiteral("Телефон"), "lbHomePhone");
    m_meHomePhone = EntryFields::digits(name, QStringLiteral("meHomePhone"), 20);
    m_lbBirthDate = label(name, QStringLiteral("Дата рождения"), "lbBirthDate");
    m_dtBirthDate = dateField(name, "dtBirthDate");
    m_lbMesto = label(name, QStringLiteral("Место рождения"), "lbMesto");
    m_meMesto = EntryFields::text(name, QStringLiteral("meMesto"), 128);
    auto* nameLayout = new QGridLayout(name);
    nameLayout->addWidget(label(name, QStringLiteral("Фамилия")), 0, 0);
    nameLayout->addWidget(m_meSurName, 0, 1);
    nameLayout->addWidget(label(name, QStringLiteral("ИНН")), 0, 2);
    nameLayout->addWidget(m_meINN, 0, 3);
    nameLayout->addWidget(label(name, QStringLiteral("Имя")), 1, 0);
    nameLayout->addWidget(m_meName, 1, 1);
    nameLayout->addWidget(m_lbBirthDate, 1, 2);
    nameLayout->addWidget(m_dtBirthDate, 1, 3);
    nameLayout->addWidget(m_lbOKATO, 1, 2);
    nameLayout->addWidget(m_meOKATO, 1, 3);
    nameLayout->addWidget(label(name, QStringLiteral("Отчество")), 2, 0);
    nameLayout->addWidget(m_mePatronymic, 2, 1);
    nameLayout->addWidget(m_lbHomePhone, 2, 2);
    nameLayout->addWidget(m_meHomePhone, 2, 3);
    nameLayout->addWidget(m_lbMesto, 3, 0);
    nameLayout->addWidget(m_meMesto, 3, 1, 1, 3);
    nameLayout->setColumnStretch(1, 2);
    nameLayout->setColumnStretch(3, 1);

    m_gbDocument =
        new QGroupBox(QStringLiteral("Сведения о документе, удостоверяющем личность"), this);
    m_gbDocument->setObjectName(QStringLiteral("gbDocument"));
    m_pnlDocType = EntryFields::panel(m_gbDocument, "pnlDocType", Qt::AlignLeft);
    m_bnDocType = EntryFields::pickerButton(m_gbDocument, "bnDocType");
    m_meSerial = new QLineEdit(m_gbDocument);
    m_meSerial->setObjectName(QStringLiteral("meSerial"));
    m_serialMask = new SeriesNumberValidator(m_meSerial);
    m_meSerial->setValidator(m_serialMask);
    // The issue date stands beside the number, the issuer under them: Tab takes that order.
    m_dtRegDate = dateField(m_gbDocument, "dtRegDate");
    m_meKem = EntryFields::text(m_gbDocument, QStringLiteral("meKem"), 128);
    auto* documentLayout = new QGridLayout(m_gbDocument);
    documentLayout->addWidget(label(m_gbDocument, QStringLiteral("Вид документа")), 0, 0);
    auto* kind = new QHBoxLayout;
    kind->addWidget(m_pnlDocType, 1);
    kind->addWidget(m_bnDocType);
    documentLayout->addLayout(kind, 0, 1, 1, 3);
    documentLayout->addWidget(label(m_gbDocument, QStringLiteral("Серия и номер")), 1, 0);
    documentLayout->addWidget(m_meSerial, 1, 1);
    documentLayout->addWidget(label(m_gbDocument, QStringLiteral("Дата выдачи")), 1, 2);
    documentLayout->addWidget(m_dtRegDate, 1, 3);
    documentLayout->addWidget(label(m_gbDocument, QStringLiteral("Кем выдан")), 2, 0);
    documentLayout->addWidget(m_meKem, 2, 1, 1, 3);
    documentLayout->setColumnStretch(1, 2);
    documentLayout->setColumnStretch(3, 1);

    m_gbCitizenship = new QGroupBox(QStringLiteral("Данные о гражданстве"), this);
    m_gbCitizenship->setObjectName(QStringLiteral("gbCitizenship"));
    m_rbGr = new QRadioButton(QStringLiteral("Гражданин"), m_gbCitizenship);
    m_rbGr->setObjectName(QStringLiteral("rbGr"));
    m_rbBomzh = new QRadioButton(QStringLiteral("Лицо без гражданства"), m_gbCitizenship);
    m_rbBomzh->setObjectName(QStringLiteral("rbBomzh"));
    auto* sign = new QButtonGroup(this);
    sign->addButton(m_rbGr);
    sign->addButton(m_rbBomzh);
    m_meKodGrazhd = EntryFields::panel(m_gbCitizenship, "meKodGrazhd", Qt::AlignLeft);
    m_meKodGrazhd->setMaxLength(32);
    m_meKodGrazhd->setFixedWidth(70);
    m_bnGrazhd = EntryFields::pickerButton(m_gbCitizenship, "bnGrazhd");
    m_meCitizenship = EntryFields::panel(m_gbCitizenship, "meCitizenship", Qt::AlignLeft);
    m_meCitizenship->setMaxLength(70);
    auto* citizenshipLayout = new QGridLayout(m_gbCitizenship);
    citizenshipLayout->addWidget(m_rbGr, 0, 0);
    citizenshipLayout->addWidget(m_rbBomzh, 0, 1, 1, 3);
    citizenshipLayout->addWidget(label(m_gbCitizenship, QStringLiteral("Код страны")), 1, 0);
    citizenshipLayout->addWidget(m_meKodGrazhd, 1, 1);
    citizenshipLayout->addWidget(m_bnGrazhd, 1, 2);
    citizenshipLayout->addWidget(m_meCitizenship, 1, 3);
    citizenshipLayout->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(m_gbDocument);
    layout->addWidget(m_gbCitizenship);
    layout->addStretch();

    connect(m_bnDocType, &QPushButton::clicked, this, &TfrPersonNaim::pickDocumentKind);
    connect(m_bnGrazhd, &QPushButton::clicked, this, &TfrPersonNaim::pickCountry);
    connect(m_dtBirthDate, &QDateEdit::dateChanged, this, [this] {
        if (!m_loading)
            m_birthChanged = true;
        changed();
    });
    connect(m_dtRegDate, &QDateEdit::dateChanged, this, [this] {
        if (!m_loading)
            m_issueChanged = true;
        changed();
    });
    for (QLineEdit* edit : {m_meSurName, m_meName, m_mePatronymic, m_meINN, m_meOKATO,
                            m_meHomePhone, m_meMesto, m_meSerial, m_meKem})
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
    for (QWidget* widget : std::initializer_list<QWidget*>{m_gbCitizenship, m_gbDocument, m_lbMesto,
                                                           m_meMesto, m_lbBirthDate, m_dtBirthDate})
        widget->setVisible(!estimated);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_lbOKATO, m_meOKATO, m_lbHomePhone, m_meHomePhone})
        widget->setVisible(estimated);

    m_meSurName->setText(person.Surname);
    m_meName->setText(person.FirstName);
    m_mePatronymic->setText(person.Patronymic);
    m_meINN->setText(person.INN);
    m_meOKATO->setText(person.OKTMO);
    m_meHomePhone->setText(person.Phone);
    m_meMesto->setText(person.BirthPlace);
    m_meKem->setText(person.DocIssuer);
    m_docKind = person.DocKind;
    m_docKindName = person.DocKindName;
    m_pnlDocType->setText(!m_docKindName.isEmpty() ? m_docKindName : documentKindName(m_docKind));

    // A document given by its code alone (as files written elsewhere hold it) is a document too:
    // its number is shown and kept.
    const bool hasDocument = m_docKind != 0 || !person.DocKindName.isEmpty();
    if (hasDocument) {
        m_meSerial->setText(person.DocNumber);
        m_serialMask->setKind(SeriesMask::KindAtBuilding(m_docKind, m_serialMask->kind()));
    }
    setDocumentFieldsEnabled(hasDocument);

    m_dtRegDate->setDate(DayCount::toDate(person.DocIssueDate));
    m_dtBirthDate->setDate(DayCount::toDate(person.BirthDate));

    if (person.CitizenshipSign == QLatin1String("2"))
        m_rbBomzh->setChecked(true);
    else
        m_rbGr->setChecked(true);
    m_meCitizenship->setText(person.CitizenshipName);
    m_meKodGrazhd->setText(person.CitizenshipCode);
    m_bnGrazhd->setEnabled(host().countryPicker() != nullptr);
    m_loading = false;
}

void TfrPersonNaim::setDocumentFieldsEnabled(bool enabled)
{
    m_meSerial->setEnabled(enabled);
    m_dtRegDate->setEnabled(enabled);
    m_meKem->setEnabled(enabled);
}

TEditType TfrPersonNaim::serialKind() const
{
    return m_serialMask->kind();
}

void TfrPersonNaim::pickDocumentKind()
{
    TfmDocType picker(this, FixedTables::DocumentKinds());
    picker.PreselectKind(m_docKind);
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
    m_serialMask->setKind(SeriesMask::KindAtPicking(m_docKind, m_serialMask->kind()));
    setDocumentFieldsEnabled(true);
    m_dtRegDate->setDate(QDate(1990, 1, 1));
    m_issueChanged = true;
    m_meKem->clear();
}

void TfrPersonNaim::pickCountry()
{
    TfmGrazhd* picker = host().countryPicker();
    if (picker == nullptr)
        return;
    picker->Preselect(m_meKodGrazhd->text());
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
    // A date is written back once it was changed here, so that a stored date outside the
    // picker's range is not replaced by the range's bound.
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
    case TaxpayerField::Surname:
        m_meSurName->setFocus();
        break;
    case TaxpayerField::FirstName:
        m_meName->setFocus();
        break;
    case TaxpayerField::Patronymic:
        m_mePatronymic->setFocus();
        break;
    case TaxpayerField::Inn:
        m_meINN->setFocus();
        break;
    case TaxpayerField::DocumentKind:
        m_bnDocType->setFocus();
        pickDocumentKind();
        break;
    case TaxpayerField::DocumentNumber:
        m_meSerial->setFocus();
        break;
    case TaxpayerField::IssueDate:
        EntryFields::focusDay(m_dtRegDate);
        break;
    case TaxpayerField::Issuer:
        m_meKem->setFocus();
        break;
    case TaxpayerField::BirthPlace:
        m_meMesto->setFocus();
        break;
    case TaxpayerField::Oktmo:
        m_meOKATO->setFocus();
        break;
    default:
        break;
    }
}
