#include "ui/sections/conditions/FrameInitialData.h"

#include "check/ConditionsRules.h"
#include "check/SectionCheckRun.h"
#include "model/Declaration.h"
#include "model/DroppedRecords.h"
#include "storage/DayCount.h"
#include "ui/dialogs/Announce.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/InputInspectionNumber.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/Choices.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

void enableAll(std::initializer_list<QWidget*> widgets, bool enabled)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

} // namespace

TfrInitialData::TfrInitialData(QWidget* parent, FrameHost& host) : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrInitialData"));
    FormGrid page(this);
    // The groups take the whole height the window gives them (it has margins of its own above
    // and below), and keep to the sides the room they keep between each other, so that the frame
    // fits the window at its standard size.
    const int room = std::max(0, page.layout()->horizontalSpacing());
    page.layout()->setContentsMargins(room, 0, room, 0);
    // The kind of declaration, the tax year and the general information side by side.
    auto* top = new QHBoxLayout;
    top->addWidget(buildForm());
    top->addWidget(buildYear());
    top->addWidget(buildGeneral(), 1);
    page.wide(top);
    buildCategory(page.group("gbCategory", QStringLiteral("Признак налогоплательщика")));
    buildIncomeKinds(page.group("gbIncomeKinds", QStringLiteral("Имеются доходы")));
    buildSigner(page.group("gbSigner", QStringLiteral("Достоверность подтверждается")));
    page.stretch();
    connectChoices();
    loadFromDocument();
}

QString TfrInitialData::sectionName()
{
    return QStringLiteral("Задание условий");
}

QGroupBox* TfrInitialData::buildForm()
{
    m_rbResident = Choices::radio(this, "rbSimple", QStringLiteral("3-НДФЛ"));
    m_rbNonResident = Choices::radio(this, "rbNeRez", QStringLiteral("3-НДФЛ нерезидента"));
    m_rbEstimated = Choices::radio(this, "rb4ndfl", QStringLiteral("4-НДФЛ"));
    Choices::exclusive(this, {m_rbResident, m_rbNonResident, m_rbEstimated});
    auto* box = new QGroupBox(QStringLiteral("Тип декларации"), this);
    box->setObjectName(QStringLiteral("gbForm"));
    box->setLayout(Choices::column({m_rbResident, m_rbNonResident, m_rbEstimated}));
    return box;
}

QGroupBox* TfrInitialData::buildYear()
{
    m_rbFirstYear = Choices::radio(this, "rb13", QStringLiteral("2013"));
    m_rbSecondYear = Choices::radio(this, "rb14", QStringLiteral("2014"));
    Choices::exclusive(this, {m_rbFirstYear, m_rbSecondYear});
    auto* box = new QGroupBox(QStringLiteral("Отчетный год"), this);
    box->setObjectName(QStringLiteral("gbYear"));
    box->setLayout(Choices::column({m_rbFirstYear, m_rbSecondYear}));
    return box;
}

QGroupBox* TfrInitialData::buildGeneral()
{
    auto* box = new QGroupBox(QStringLiteral("Общая информация"), this);
    box->setObjectName(QStringLiteral("gbGeneral"));
    m_meInspection = new CodeField(box, "meInspection", Shows::Code, "bnInspection",
                                   QStringLiteral("Выбрать инспекцию"));
    m_meCorrectionNumber = new QSpinBox(box);
    m_meCorrectionNumber->setObjectName(QStringLiteral("meNumVer"));
    m_meCorrectionNumber->setRange(0, 999);
    // As wide as its largest number, not as its row.
    m_meCorrectionNumber->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Under 4-NDFL only.
    m_meEstimatedIncome =
        new AmountField(box, QStringLiteral("meSupposeIncome"), Amount::WholeRoubles);
    m_dtSignDate = new DateField(box, QStringLiteral("dtGetDate"));

    FormGrid grid(box);
    grid.row({{QStringLiteral("Номер инспекции"), m_meInspection}});
    grid.row({{QStringLiteral("Номер корректировки"), m_meCorrectionNumber}});
    m_lbEstimatedIncome =
        grid.row({{QStringLiteral("Предполагаемый доход"), m_meEstimatedIncome}}).constFirst();
    m_lbEstimatedIncome->setObjectName(QStringLiteral("lbSupposeIncome"));
    // The date of signing is kept as the file brings it; the frame never shows it.
    grid.row({{QStringLiteral("Дата подписания"), m_dtSignDate}});
    EntryFields::setShown(m_dtSignDate, false);
    grid.stretch();
    return box;
}

void TfrInitialData::buildCategory(QGroupBox* box)
{
    m_rbFarmHead = Choices::radio(box, "rbFermer", QStringLiteral("Глава фермерского хозяйства"));
    m_rbEntrepreneur =
        Choices::radio(box, "rbPredp", QStringLiteral("Индивидуальный предприниматель"));
    m_rbNotary = Choices::radio(box, "rbNotarius", QStringLiteral("Частный нотариус"));
    m_rbLawyer = Choices::radio(box, "rbAdvokat", QStringLiteral("Адвокат"));
    m_rbOtherPerson = Choices::radio(box, "rbFLProch", QStringLiteral("Иное физическое лицо"));
    Choices::exclusive(this,
                       {m_rbFarmHead, m_rbEntrepreneur, m_rbNotary, m_rbLawyer, m_rbOtherPerson});
    m_rbOtherPerson->setChecked(true);
    // Two rows, in the order the categories are read.
    auto* rows = new QVBoxLayout(box);
    rows->addLayout(Choices::row({m_rbFarmHead, m_rbEntrepreneur}));
    rows->addLayout(Choices::row({m_rbNotary, m_rbLawyer, m_rbOtherPerson}));
}

void TfrInitialData::buildIncomeKinds(QGroupBox* box)
{
    m_chbCountryIncome = Choices::checkBox(
        box, "chbIncomeInquiry",
        QStringLiteral("Учитываемые \"справками о доходах физического лица\", доходы по "
                       "договорам"));
    m_lbCountryIncomeNote =
        new QLabel(QStringLiteral("гр.-правового характера, авторским вознаграждениям, от продажи "
                                  "имущества и др."),
                   box);
    m_lbCountryIncomeNote->setObjectName(QStringLiteral("lbInquiryComment"));
    // The note goes on the text of the box above it, under that text.
    m_lbCountryIncomeNote->setIndent(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                                     style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    m_chbCountryIncome->setAccessibleDescription(m_lbCountryIncomeNote->text());
    m_chbForeignIncome =
        Choices::checkBox(box, "chbIncomeCurrency", QStringLiteral("В иностранной валюте"));
    m_chbBusinessIncome = Choices::checkBox(box, "chbIncomeBusiness",
                                            QStringLiteral("От предпринимательской деятельности"));
    // Never shown: the file's count of sheets of supporting documents, counted by hand.
    m_chbAutoCountSheets = Choices::checkBox(box, "chbAutoCalculateApp", QString());
    m_chbAutoCountSheets->hide();
    m_meProofSheets = EntryFields::digits(box, QStringLiteral("meAppendixes"), Digits::ProofSheets);
    m_meProofSheets->hide();

    FormGrid grid(box);
    // The note continues the text of the box: no room between them.
    auto* certificate = new QVBoxLayout;
    certificate->setSpacing(0);
    certificate->addWidget(m_chbCountryIncome);
    certificate->addWidget(m_lbCountryIncomeNote);
    grid.wide(certificate);
    grid.wide(Choices::row({m_chbForeignIncome, m_chbBusinessIncome}));
}

void TfrInitialData::buildSigner(QGroupBox* box)
{
    m_rbSignsPersonally = Choices::radio(box, "rbGiveSelf", QStringLiteral("Лично"));
    m_rbSignsRepresentative =
        Choices::radio(box, "rbGiveTrustFase", QStringLiteral("Представителем - ФЛ"));
    m_rbSignsOrganisation =
        Choices::radio(box, "rbGiveByMail", QStringLiteral("Представителем - ЮЛ"));
    Choices::exclusive(this, {m_rbSignsPersonally, m_rbSignsRepresentative, m_rbSignsOrganisation});
    m_meRepresentativeName =
        EntryFields::text(box, QStringLiteral("meFIO"), TextLength::Representative);
    m_meRepresentativeOrg =
        EntryFields::text(box, QStringLiteral("meUL"), TextLength::Representative);
    m_meRepresentativeDoc = EntryFields::text(box, QStringLiteral("meOsn"), TextLength::Unlimited);

    using Span = FormGrid::Span;
    FormGrid grid(box);
    grid.wide(Choices::row({m_rbSignsPersonally, m_rbSignsRepresentative, m_rbSignsOrganisation}));
    m_lbRepresentativeName =
        grid.row({{QStringLiteral("ФИО"), m_meRepresentativeName, Span::ToRightEdge}}).constFirst();
    m_lbRepresentativeOrg = grid.row({{QStringLiteral("Организация - представитель"),
                                       m_meRepresentativeOrg, Span::ToRightEdge}})
                                .constFirst();
    m_lbRepresentativeDoc =
        grid.row({{QStringLiteral("Документ"), m_meRepresentativeDoc, Span::ToRightEdge}})
            .constFirst();
    m_meRepresentativeName->setAccessibleDescription(QStringLiteral("ФИО представителя"));
    m_meRepresentativeDoc->setAccessibleDescription(
        QStringLiteral("Документ, подтверждающий полномочия представителя"));
}

void TfrInitialData::connectChoices()
{
    for (QRadioButton* button : {m_rbResident, m_rbNonResident, m_rbEstimated}) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                formChosen();
        });
    }
    for (QRadioButton* button :
         {m_rbSignsPersonally, m_rbSignsRepresentative, m_rbSignsOrganisation}) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                signerChosen();
        });
    }
    connect(m_chbCountryIncome, &QCheckBox::toggled, this, &TfrInitialData::certificateToggled);
    connect(m_chbForeignIncome, &QCheckBox::toggled, this, &TfrInitialData::currencyToggled);
    connect(m_chbBusinessIncome, &QCheckBox::toggled, this, &TfrInitialData::businessToggled);
    connect(m_rbSecondYear, &QRadioButton::toggled, this, &TfrInitialData::secondYearChosen);
    connect(m_meInspection, &CodeField::pickRequested, this, &TfrInitialData::pickInspection);
}

void TfrInitialData::loadFromDocument()
{
    m_loading = true;
    const mTDeclaration& doc = document();
    m_meInspection->setText(doc.InspectionCode);
    m_dtSignDate->setDate(DayCount::toDate(doc.SignDate));
    m_meCorrectionNumber->setValue(doc.CorrectionNumber);
    m_meCorrectionNumber->setEnabled(true);

    switch (doc.ConfirmKind) {
    case 1:
        m_rbSignsRepresentative->setChecked(true);
        break;
    case 2:
        m_rbSignsOrganisation->setChecked(true);
        break;
    default:
        m_rbSignsPersonally->setChecked(true);
        break;
    }
    m_meRepresentativeDoc->setText(doc.RepresentativeDoc);
    m_meRepresentativeName->setText(doc.RepresentativeName);
    m_meRepresentativeOrg->setText(doc.RepresentativeOrg);

    switch (doc.TaxpayerKind) {
    case TaxpayerCategory::Entrepreneur:
        m_rbEntrepreneur->setChecked(true);
        break;
    case TaxpayerCategory::FarmHead:
        m_rbFarmHead->setChecked(true);
        break;
    case TaxpayerCategory::Notary:
        m_rbNotary->setChecked(true);
        break;
    case TaxpayerCategory::Lawyer:
        m_rbLawyer->setChecked(true);
        break;
    default:
        break;
    }

    m_chbCountryIncome->setChecked(doc.HasIncomeKind(IncomeKind::Country));
    m_chbForeignIncome->setChecked(doc.HasIncomeKind(IncomeKind::Abroad));
    m_chbBusinessIncome->setChecked(doc.HasIncomeKind(IncomeKind::Business));
    // Unticked boxes apply their effects too, as a click would.
    certificateToggled(m_chbCountryIncome->isChecked());
    currencyToggled(m_chbForeignIncome->isChecked());
    businessToggled(m_chbBusinessIncome->isChecked());
    m_meEstimatedIncome->setValue(doc.EstimatedIncome);

    if (doc.TaxYear != 2013 && doc.TaxYear != 0)
        m_rbSecondYear->setChecked(true);
    else
        m_rbFirstYear->setChecked(true);

    m_meProofSheets->setText(QString::number(doc.ProofSheets));
    m_chbAutoCountSheets->setChecked(false);
    m_meInspection->setPickerEnabled(host().inspectionPicker() != nullptr);

    switch (doc.DeclForm) {
    case DeclarationForm::NonResident:
        m_rbNonResident->setChecked(true);
        break;
    case DeclarationForm::EstimatedIncome:
        m_rbEstimated->setChecked(true);
        break;
    default:
        m_rbResident->setChecked(true);
        break;
    }
    m_loading = false;
}

bool TfrInitialData::anyIncomeBox() const
{
    return m_chbCountryIncome->isChecked() || m_chbForeignIncome->isChecked() ||
           m_chbBusinessIncome->isChecked();
}

void TfrInitialData::applyDeductionRule()
{
    host().setSectionEnabled(Section::Deduction, anyIncomeBox() && !m_rbNonResident->isChecked());
}

void TfrInitialData::formChosen()
{
    if (!m_loading && !formChoiceConfirmed())
        return;
    if (!m_loading)
        m_formAsLoaded = false;
    m_chosenForm = m_rbEstimated->isChecked()     ? m_rbEstimated
                   : m_rbNonResident->isChecked() ? m_rbNonResident
                                                  : m_rbResident;
    const bool estimated = m_rbEstimated->isChecked();
    // The boxes are disabled before they are cleared: the choice has asked for all of them.
    if (estimated) {
        m_rbFirstYear->setText(QStringLiteral("2014"));
        m_rbSecondYear->setText(QStringLiteral("2015"));
        for (QCheckBox* box : {m_chbCountryIncome, m_chbForeignIncome, m_chbBusinessIncome}) {
            box->setEnabled(false);
            box->setChecked(false);
        }
        m_lbCountryIncomeNote->setEnabled(false);
        if (m_rbOtherPerson->isChecked())
            m_rbEntrepreneur->setChecked(true);
        m_rbOtherPerson->setEnabled(false);
        m_lbEstimatedIncome->show();
        m_meEstimatedIncome->show();
        enableAll({m_lbEstimatedIncome, m_meEstimatedIncome}, true);
    } else {
        m_rbFirstYear->setText(QStringLiteral("2013"));
        m_rbSecondYear->setText(QStringLiteral("2014"));
        enableAll({m_chbCountryIncome, m_lbCountryIncomeNote, m_rbFarmHead, m_rbOtherPerson}, true);
        if (m_rbNonResident->isChecked()) {
            for (QCheckBox* box : {m_chbForeignIncome, m_chbBusinessIncome}) {
                box->setEnabled(false);
                box->setChecked(false);
            }
        } else {
            enableAll({m_chbForeignIncome, m_chbBusinessIncome}, true);
        }
        m_lbEstimatedIncome->hide();
        m_meEstimatedIncome->hide();
    }
    applyDeductionRule();
}

void TfrInitialData::signerChosen()
{
    const bool person = !m_rbSignsPersonally->isChecked();
    const bool organisation = m_rbSignsOrganisation->isChecked();
    enableAll({m_lbRepresentativeName, m_meRepresentativeName, m_lbRepresentativeDoc,
               m_meRepresentativeDoc},
              person);
    enableAll({m_lbRepresentativeOrg, m_meRepresentativeOrg}, organisation);
    host().NotifyDocumentChanged();
}

void TfrInitialData::certificateToggled(bool ticked)
{
    if (!ticked && !clearingConfirmed(m_chbCountryIncome, IncomeKind::Country))
        return;
    host().setSectionEnabled(Section::RussianIncome, ticked);
    if (ticked && !m_loading) {
        mTDeclaration& doc = document();
        doc.SetIncomeKinds(doc.IncomeKinds() | IncomeKind::Country);
    }
    applyDeductionRule();
    host().NotifyDocumentChanged();
}

void TfrInitialData::currencyToggled(bool ticked)
{
    if (!ticked && !clearingConfirmed(m_chbForeignIncome, IncomeKind::Abroad))
        return;
    host().setSectionEnabled(Section::ForeignIncome, ticked);
    applyDeductionRule();
    host().NotifyDocumentChanged();
}

void TfrInitialData::businessToggled(bool ticked)
{
    if (!ticked && !clearingConfirmed(m_chbBusinessIncome, IncomeKind::Business))
        return;
    host().setSectionEnabled(Section::BusinessIncome, ticked);
    enableAll({m_lbEstimatedIncome, m_meEstimatedIncome}, ticked);
    // A file's estimated income stays when its 4-NDFL form clears the box while loading.
    if (!ticked && !m_loading)
        m_meEstimatedIncome->clear();
    host().NotifyDocumentChanged();
    applyDeductionRule();
}

bool TfrInitialData::droppingConfirmed(quint8 kept, quint8 keptAfter)
{
    const DroppedRecords dropped = DroppedRecords::of(document(), kept, keptAfter);
    return dropped.empty() ||
           host().interaction().message(this, QMessageBox::Question, Interaction::programCaption(),
                                        dropped.question(), QMessageBox::Yes | QMessageBox::No,
                                        QMessageBox::No) == QMessageBox::Yes;
}

bool TfrInitialData::clearingConfirmed(QCheckBox* box, quint8 kind)
{
    // Loading asks nothing, nor does a box that a declaration kind cleared after its own question.
    if (m_loading || !box->isEnabled())
        return true;
    const quint8 keptAfter = storedIncomeKinds();
    if (droppingConfirmed(keptAfter | kind, keptAfter))
        return true;
    const QSignalBlocker quiet(box);
    box->setChecked(true);
    return false;
}

quint8 TfrInitialData::kindsAfterFormChoice() const
{
    // What storedIncomeKinds() gives once the declaration kind now chosen has cleared and
    // disabled its boxes.
    const bool estimated = m_rbEstimated->isChecked();
    const bool resident = m_rbResident->isChecked();
    quint8 kinds = document().IncomeKinds() & IncomeKind::Practice;
    if (!estimated && m_chbCountryIncome->isChecked())
        kinds |= IncomeKind::Country;
    if (resident && m_chbForeignIncome->isChecked())
        kinds |= IncomeKind::Abroad;
    if (resident && m_chbBusinessIncome->isChecked())
        kinds |= IncomeKind::Business;
    return kinds;
}

bool TfrInitialData::formChoiceConfirmed()
{
    if (m_chosenForm == nullptr || droppingConfirmed(storedIncomeKinds(), kindsAfterFormChoice()))
        return true;
    const QSignalBlocker quietSimple(m_rbResident);
    const QSignalBlocker quietNonResident(m_rbNonResident);
    const QSignalBlocker quietEstimated(m_rbEstimated);
    m_chosenForm->setChecked(true);
    return false;
}

void TfrInitialData::secondYearChosen(bool chosen)
{
    if (!chosen || m_loading || m_rbEstimated->isChecked())
        return;
    TfmAnnounce notice(this);
    if (host().interaction().execDialog(notice) != QDialog::Accepted) {
        m_rbFirstYear->setChecked(true);
        m_rbFirstYear->setFocus();
    }
}

void TfrInitialData::pickInspection(const QString& search)
{
    TfmInputInspectionNumber* picker = host().inspectionPicker();
    if (picker == nullptr)
        return;
    picker->Preselect(m_meInspection->text());
    picker->setSearchText(search);
    if (host().interaction().execDialog(*picker) != QDialog::Accepted)
        return;
    if (picker->chosenCode() != m_meInspection->text()) {
        m_meInspection->setText(picker->chosenCode());
        m_pickedInspectionName = picker->chosenName();
        host().NotifyDocumentChanged();
    }
}

void TfrInitialData::StoreData()
{
    mTDeclaration& doc = document();
    if (doc.InspectionCode != m_meInspection->text()) {
        doc.InspectionCode = m_meInspection->text();
        // The name of the tax office travels with its code to the printed form.
        doc.InspectionName = m_pickedInspectionName;
    }
    if (m_dtSignDate->date() != DayCount::toDate(doc.SignDate))
        doc.SignDate = DayCount::fromDate(m_dtSignDate->date());

    doc.ConfirmKind = m_rbSignsRepresentative->isChecked() ? 1
                      : m_rbSignsOrganisation->isChecked() ? 2
                                                           : 0;

    if (m_rbFarmHead->isChecked())
        doc.TaxpayerKind = TaxpayerCategory::FarmHead;
    else if (m_rbEntrepreneur->isChecked())
        doc.TaxpayerKind = TaxpayerCategory::Entrepreneur;
    else if (m_rbNotary->isChecked())
        doc.TaxpayerKind = TaxpayerCategory::Notary;
    else if (m_rbLawyer->isChecked())
        doc.TaxpayerKind = TaxpayerCategory::Lawyer;
    else
        doc.TaxpayerKind = TaxpayerCategory::OtherPerson;

    doc.DeclForm = m_rbNonResident->isChecked() ? DeclarationForm::NonResident
                   : m_rbEstimated->isChecked() ? DeclarationForm::EstimatedIncome
                                                : DeclarationForm::Resident;

    doc.SetIncomeKinds(storedIncomeKinds());

    doc.EstimatedIncome = m_meEstimatedIncome->valueOrZero();

    const auto stored = [](const QLineEdit* edit) {
        return edit->isEnabled() && !edit->text().isEmpty() ? edit->text() : QString();
    };
    doc.RepresentativeDoc = stored(m_meRepresentativeDoc);
    doc.RepresentativeOrg = stored(m_meRepresentativeOrg);
    doc.RepresentativeName = stored(m_meRepresentativeName);

    doc.CorrectionNumber = m_meCorrectionNumber->value();
    doc.TaxYear = m_rbFirstYear->isChecked() ? 2013 : 2014;
    // The automatic sheet count has no control here: it stays as the file or a new declaration
    // set it.
    doc.ProofSheets = m_meProofSheets->text().toInt();
}

quint8 TfrInitialData::storedIncomeKinds() const
{
    const quint8 held = document().IncomeKinds();
    // Private practice has no box: it is kept as the file brought it.
    quint8 kinds = held & IncomeKind::Practice;
    const auto take = [&](const QCheckBox* box, quint8 kind) {
        if (!box->isEnabled() && m_formAsLoaded)
            kinds |= held & kind;
        else if (box->isChecked())
            kinds |= kind;
    };
    take(m_chbCountryIncome, IncomeKind::Country);
    take(m_chbForeignIncome, IncomeKind::Abroad);
    take(m_chbBusinessIncome, IncomeKind::Business);
    return kinds;
}

quint16 TfrInitialData::CheckData()
{
    WindowCheckAnswerer answerer(host().interaction(), this);
    SectionCheckRun run(answerer, sectionName());
    run.failEach(ConditionsFailures(document()));
    return run.result();
}

void TfrInitialData::FocusError(quint16 code)
{
    switch (code) {
    case ConditionsField::Inspection:
        if (m_meInspection->button()->isEnabled())
            m_meInspection->pick();
        else
            m_meInspection->setFocus();
        break;
    case ConditionsField::EstimatedIncome:
        m_meEstimatedIncome->setFocus();
        break;
    case ConditionsField::RepresentativeName:
        m_meRepresentativeName->setFocus();
        break;
    case ConditionsField::RepresentativeDocument:
        m_meRepresentativeDoc->setFocus();
        break;
    case ConditionsField::RepresentativeOrganisation:
        m_meRepresentativeOrg->setFocus();
        break;
    default:
        break;
    }
}
