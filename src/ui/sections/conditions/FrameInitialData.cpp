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
#include "ui/widgets/EntryFields.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QRadioButton* radio(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QGroupBox* group(QWidget* parent, const QString& caption)
{
    return new QGroupBox(caption, parent);
}

// The groups keep narrow margins above and below, so that the whole frame fits the window at its
// standard size.
template <class Layout> Layout* compact(Layout* layout)
{
    layout->setContentsMargins(9, 3, 9, 3);
    return layout;
}

void exclusive(QObject* owner, std::initializer_list<QRadioButton*> buttons)
{
    auto* buttonGroup = new QButtonGroup(owner);
    for (QRadioButton* button : buttons)
        buttonGroup->addButton(button);
}

void enableAll(std::initializer_list<QWidget*> widgets, bool enabled)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

} // namespace

TfrInitialData::TfrInitialData(QWidget* parent, FrameHost& host) : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrInitialData"));
    buildControls();
    loadFromDocument();
}

QString TfrInitialData::sectionName()
{
    return QStringLiteral("Задание условий");
}

void TfrInitialData::buildControls()
{
    // Kind of declaration, tax year and general information side by side.
    QGroupBox* kind = group(this, QStringLiteral("Тип декларации"));
    m_rbSimple = radio(kind, "rbSimple", QStringLiteral("3-НДФЛ"));
    m_rbNeRez = radio(kind, "rbNeRez", QStringLiteral("3-НДФЛ нерезидента"));
    m_rb4ndfl = radio(kind, "rb4ndfl", QStringLiteral("4-НДФЛ"));
    auto* kindLayout = compact(new QVBoxLayout(kind));
    kindLayout->addWidget(m_rbSimple);
    kindLayout->addWidget(m_rbNeRez);
    kindLayout->addWidget(m_rb4ndfl);
    exclusive(this, {m_rbSimple, m_rbNeRez, m_rb4ndfl});

    QGroupBox* year = group(this, QStringLiteral("Отчетный год"));
    m_rb13 = radio(year, "rb13", QStringLiteral("2013"));
    m_rb14 = radio(year, "rb14", QStringLiteral("2014"));
    auto* yearLayout = compact(new QVBoxLayout(year));
    yearLayout->addWidget(m_rb13);
    yearLayout->addWidget(m_rb14);
    yearLayout->addStretch();
    exclusive(this, {m_rb13, m_rb14});

    QGroupBox* general = group(this, QStringLiteral("Общая информация"));
    m_meInspection = EntryFields::panel(general, "meInspection", Qt::AlignLeft);
    m_meInspection->setMaxLength(4);
    m_meInspection->setFixedWidth(70);
    m_bnInspection = EntryFields::pickerButton(general, "bnInspection");
    m_meNumVer = new QSpinBox(general);
    m_meNumVer->setObjectName(QStringLiteral("meNumVer"));
    m_meNumVer->setRange(0, 999);
    m_meNumVer->setFixedWidth(70);
    auto* dateLabel = new QLabel(QStringLiteral("Дата подписания"), general);
    m_dtGetDate = new QDateEdit(general);
    m_dtGetDate->setObjectName(QStringLiteral("dtGetDate"));
    m_dtGetDate->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dateLabel->hide();
    m_dtGetDate->hide();
    auto* generalLayout = compact(new QGridLayout(general));
    generalLayout->addWidget(new QLabel(QStringLiteral("Номер инспекции"), general), 0, 0);
    auto* inspection = new QHBoxLayout;
    inspection->addWidget(m_meInspection);
    inspection->addWidget(m_bnInspection);
    inspection->addStretch();
    generalLayout->addLayout(inspection, 0, 1);
    generalLayout->addWidget(new QLabel(QStringLiteral("Номер корректировки"), general), 1, 0);
    generalLayout->addWidget(m_meNumVer, 1, 1);
    generalLayout->addWidget(dateLabel, 2, 0);
    generalLayout->addWidget(m_dtGetDate, 2, 1);
    generalLayout->setRowStretch(3, 1);

    // Taxpayer category.
    QGroupBox* category = group(this, QStringLiteral("Признак налогоплательщика"));
    m_rbFermer = radio(category, "rbFermer", QStringLiteral("Глава фермерского хозяйства"));
    m_rbPredp = radio(category, "rbPredp", QStringLiteral("Индивидуальный предприниматель"));
    m_rbNotarius = radio(category, "rbNotarius", QStringLiteral("Частный нотариус"));
    m_rbAdvokat = radio(category, "rbAdvokat", QStringLiteral("Адвокат"));
    m_rbFLProch = radio(category, "rbFLProch", QStringLiteral("Иное физическое лицо"));
    auto* categoryLayout = compact(new QGridLayout(category));
    categoryLayout->setVerticalSpacing(2);
    categoryLayout->addWidget(m_rbFermer, 0, 0);
    categoryLayout->addWidget(m_rbPredp, 1, 0);
    categoryLayout->addWidget(m_rbNotarius, 0, 1);
    categoryLayout->addWidget(m_rbAdvokat, 1, 1);
    categoryLayout->addWidget(m_rbFLProch, 2, 0);
    categoryLayout->setColumnStretch(1, 1);
    exclusive(this, {m_rbFermer, m_rbPredp, m_rbNotarius, m_rbAdvokat, m_rbFLProch});
    m_rbFLProch->setChecked(true);

    // Kinds of income.
    QGroupBox* income = group(this, QStringLiteral("Имеются доходы"));
    m_chbIncomeInquiry =
        checkBox(income, "chbIncomeInquiry",
                 QStringLiteral("Учитываемые \"справками о доходах физического лица\", доходы по "
                                "договорам"));
    m_lbInquiryComment =
        new QLabel(QStringLiteral("гр.-правового характера, авторским вознаграждениям, от продажи "
                                  "имущества и др."),
                   income);
    m_lbInquiryComment->setObjectName(QStringLiteral("lbInquiryComment"));
    m_lbInquiryComment->setIndent(22);
    m_chbIncomeCurrency =
        checkBox(income, "chbIncomeCurrency", QStringLiteral("В иностранной валюте"));
    m_chbIncomeBusiness = checkBox(income, "chbIncomeBusiness",
                                   QStringLiteral("От предпринимательской деятельности"));
    m_lbSupposeIncome = new QLabel(QStringLiteral("Предполагаемый доход"), income);
    m_lbSupposeIncome->setObjectName(QStringLiteral("lbSupposeIncome"));
    m_meSupposeIncome = EntryFields::digits(income, QStringLiteral("meSupposeIncome"), 12);
    m_meSupposeIncome->setFixedWidth(130);
    m_meSupposeIncome->setAlignment(Qt::AlignRight);
    m_chbAutoCalculateApp = checkBox(income, "chbAutoCalculateApp", QString());
    m_meAppendixes = EntryFields::digits(income, QStringLiteral("meAppendixes"), 4);
    m_chbAutoCalculateApp->hide();
    m_meAppendixes->hide();
    auto* incomeLayout = compact(new QGridLayout(income));
    incomeLayout->setVerticalSpacing(2);
    incomeLayout->addWidget(m_chbIncomeInquiry, 0, 0, 1, 3);
    incomeLayout->addWidget(m_lbInquiryComment, 1, 0, 1, 3);
    incomeLayout->addWidget(m_chbIncomeCurrency, 2, 0);
    incomeLayout->addWidget(m_chbIncomeBusiness, 2, 1);
    auto* suppose = new QHBoxLayout;
    suppose->setSpacing(EntryFields::kRowSpacing);
    suppose->addWidget(m_lbSupposeIncome);
    suppose->addWidget(m_meSupposeIncome);
    suppose->addStretch();
    incomeLayout->addLayout(suppose, 3, 0, 1, 3);
    incomeLayout->setColumnStretch(2, 1);

    // Who signs.
    QGroupBox* signer = group(this, QStringLiteral("Достоверность подтверждается"));
    m_rbGiveSelf = radio(signer, "rbGiveSelf", QStringLiteral("Лично"));
    m_rbGiveTrustFase = radio(signer, "rbGiveTrustFase", QStringLiteral("Представителем - ФЛ"));
    m_rbGiveByMail = radio(signer, "rbGiveByMail", QStringLiteral("Представителем - ЮЛ"));
    exclusive(this, {m_rbGiveSelf, m_rbGiveTrustFase, m_rbGiveByMail});
    m_lbFIO = new QLabel(QStringLiteral("ФИО"), signer);
    m_meFIO = EntryFields::text(signer, QStringLiteral("meFIO"), 182);
    m_lbUL = new QLabel(QStringLiteral("Организация - представитель"), signer);
    m_meUL = EntryFields::text(signer, QStringLiteral("meUL"), 182);
    m_lbOsn = new QLabel(QStringLiteral("Документ"), signer);
    m_meOsn = EntryFields::text(signer, QStringLiteral("meOsn"), 0);
    auto* signerLayout = compact(new QGridLayout(signer));
    auto* signers = new QHBoxLayout;
    signers->addWidget(m_rbGiveSelf);
    signers->addWidget(m_rbGiveTrustFase);
    signers->addWidget(m_rbGiveByMail);
    signers->addStretch();
    signerLayout->addLayout(signers, 0, 0, 1, 2);
    signerLayout->addWidget(m_lbFIO, 1, 0);
    signerLayout->addWidget(m_meFIO, 1, 1);
    signerLayout->addWidget(m_lbUL, 2, 0);
    signerLayout->addWidget(m_meUL, 2, 1);
    signerLayout->addWidget(m_lbOsn, 3, 0);
    signerLayout->addWidget(m_meOsn, 3, 1);

    // Enlarged, the frame keeps its groups at their height and the two small groups at their
    // width: the room goes below the groups and to the right end of each row.
    auto* top = new QHBoxLayout;
    top->addWidget(kind);
    top->addWidget(year);
    top->addWidget(general, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(category);
    layout->addWidget(income);
    layout->addWidget(signer);
    layout->addStretch(1);

    for (QRadioButton* button : {m_rbSimple, m_rbNeRez, m_rb4ndfl}) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                formChosen();
        });
    }
    for (QRadioButton* button : {m_rbGiveSelf, m_rbGiveTrustFase, m_rbGiveByMail}) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                signerChosen();
        });
    }
    connect(m_chbIncomeInquiry, &QCheckBox::toggled, this, &TfrInitialData::certificateToggled);
    connect(m_chbIncomeCurrency, &QCheckBox::toggled, this, &TfrInitialData::currencyToggled);
    connect(m_chbIncomeBusiness, &QCheckBox::toggled, this, &TfrInitialData::businessToggled);
    connect(m_rb14, &QRadioButton::toggled, this, &TfrInitialData::secondYearChosen);
    connect(m_bnInspection, &QPushButton::clicked, this, &TfrInitialData::pickInspection);
}

void TfrInitialData::loadFromDocument()
{
    m_loading = true;
    const mTDeclaration& doc = document();
    m_meInspection->setText(doc.InspectionCode);
    m_dtGetDate->setDate(DayCount::toDate(doc.SignDate));
    m_meNumVer->setValue(doc.CorrectionNumber);
    m_meNumVer->setEnabled(true);

    switch (doc.ConfirmKind) {
    case 1:
        m_rbGiveTrustFase->setChecked(true);
        break;
    case 2:
        m_rbGiveByMail->setChecked(true);
        break;
    default:
        m_rbGiveSelf->setChecked(true);
        break;
    }
    m_meOsn->setText(doc.RepresentativeDoc);
    m_meFIO->setText(doc.RepresentativeName);
    m_meUL->setText(doc.RepresentativeOrg);

    switch (doc.TaxpayerKind) {
    case TaxpayerCategory::Entrepreneur:
        m_rbPredp->setChecked(true);
        break;
    case TaxpayerCategory::FarmHead:
        m_rbFermer->setChecked(true);
        break;
    case TaxpayerCategory::Notary:
        m_rbNotarius->setChecked(true);
        break;
    case TaxpayerCategory::Lawyer:
        m_rbAdvokat->setChecked(true);
        break;
    default:
        break;
    }

    m_chbIncomeInquiry->setChecked(doc.HasIncomeKind(IncomeKind::Country));
    m_chbIncomeCurrency->setChecked(doc.HasIncomeKind(IncomeKind::Abroad));
    m_chbIncomeBusiness->setChecked(doc.HasIncomeKind(IncomeKind::Business));
    // Unticked boxes apply their effects too, as a click would.
    certificateToggled(m_chbIncomeInquiry->isChecked());
    currencyToggled(m_chbIncomeCurrency->isChecked());
    businessToggled(m_chbIncomeBusiness->isChecked());
    m_meSupposeIncome->setText(doc.EstimatedIncome.toText(QLatin1Char(',')));

    if (doc.TaxYear != 2013 && doc.TaxYear != 0)
        m_rb14->setChecked(true);
    else
        m_rb13->setChecked(true);

    m_meAppendixes->setText(QString::number(doc.ProofSheets));
    m_chbAutoCalculateApp->setChecked(false);
    m_bnInspection->setEnabled(host().inspectionPicker() != nullptr);

    switch (doc.DeclForm) {
    case DeclarationForm::NonResident:
        m_rbNeRez->setChecked(true);
        break;
    case DeclarationForm::EstimatedIncome:
        m_rb4ndfl->setChecked(true);
        break;
    default:
        m_rbSimple->setChecked(true);
        break;
    }
    m_loading = false;
}

bool TfrInitialData::anyIncomeBox() const
{
    return m_chbIncomeInquiry->isChecked() || m_chbIncomeCurrency->isChecked() ||
           m_chbIncomeBusiness->isChecked();
}

void TfrInitialData::applyDeductionRule()
{
    host().setSectionEnabled(Section::Deduction, anyIncomeBox() && !m_rbNeRez->isChecked());
}

void TfrInitialData::formChosen()
{
    if (!m_loading && !formChoiceConfirmed())
        return;
    if (!m_loading)
        m_formAsLoaded = false;
    m_chosenForm = m_rb4ndfl->isChecked()   ? m_rb4ndfl
                   : m_rbNeRez->isChecked() ? m_rbNeRez
                                            : m_rbSimple;
    const bool estimated = m_rb4ndfl->isChecked();
    // The boxes are disabled before they are cleared: the choice has asked for all of them.
    if (estimated) {
        m_rb13->setText(QStringLiteral("2014"));
        m_rb14->setText(QStringLiteral("2015"));
        for (QCheckBox* box : {m_chbIncomeInquiry, m_chbIncomeCurrency, m_chbIncomeBusiness}) {
            box->setEnabled(false);
            box->setChecked(false);
        }
        m_lbInquiryComment->setEnabled(false);
        if (m_rbFLProch->isChecked())
            m_rbPredp->setChecked(true);
        m_rbFLProch->setEnabled(false);
        m_lbSupposeIncome->show();
        m_meSupposeIncome->show();
        enableAll({m_lbSupposeIncome, m_meSupposeIncome}, true);
    } else {
        m_rb13->setText(QStringLiteral("2013"));
        m_rb14->setText(QStringLiteral("2014"));
        enableAll({m_chbIncomeInquiry, m_lbInquiryComment, m_rbFermer, m_rbFLProch}, true);
        if (m_rbNeRez->isChecked()) {
            for (QCheckBox* box : {m_chbIncomeCurrency, m_chbIncomeBusiness}) {
                box->setEnabled(false);
                box->setChecked(false);
            }
        } else {
            enableAll({m_chbIncomeCurrency, m_chbIncomeBusiness}, true);
        }
        m_lbSupposeIncome->hide();
        m_meSupposeIncome->hide();
    }
    applyDeductionRule();
}

void TfrInitialData::signerChosen()
{
    const bool person = !m_rbGiveSelf->isChecked();
    const bool organisation = m_rbGiveByMail->isChecked();
    enableAll({m_lbFIO, m_meFIO, m_lbOsn, m_meOsn}, person);
    enableAll({m_lbUL, m_meUL}, organisation);
    host().NotifyDocumentChanged();
}

void TfrInitialData::certificateToggled(bool ticked)
{
    if (!ticked && !clearingConfirmed(m_chbIncomeInquiry, IncomeKind::Country))
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
    if (!ticked && !clearingConfirmed(m_chbIncomeCurrency, IncomeKind::Abroad))
        return;
    host().setSectionEnabled(Section::ForeignIncome, ticked);
    applyDeductionRule();
    host().NotifyDocumentChanged();
}

void TfrInitialData::businessToggled(bool ticked)
{
    if (!ticked && !clearingConfirmed(m_chbIncomeBusiness, IncomeKind::Business))
        return;
    host().setSectionEnabled(Section::BusinessIncome, ticked);
    enableAll({m_lbSupposeIncome, m_meSupposeIncome}, ticked);
    // A file's estimated income stays when its 4-NDFL form clears the box while loading.
    if (!ticked && !m_loading)
        m_meSupposeIncome->clear();
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
    const bool estimated = m_rb4ndfl->isChecked();
    const bool resident = m_rbSimple->isChecked();
    quint8 kinds = document().IncomeKinds() & IncomeKind::Practice;
    if (!estimated && m_chbIncomeInquiry->isChecked())
        kinds |= IncomeKind::Country;
    if (resident && m_chbIncomeCurrency->isChecked())
        kinds |= IncomeKind::Abroad;
    if (resident && m_chbIncomeBusiness->isChecked())
        kinds |= IncomeKind::Business;
    return kinds;
}

bool TfrInitialData::formChoiceConfirmed()
{
    if (m_chosenForm == nullptr || droppingConfirmed(storedIncomeKinds(), kindsAfterFormChoice()))
        return true;
    const QSignalBlocker quietSimple(m_rbSimple);
    const QSignalBlocker quietNonResident(m_rbNeRez);
    const QSignalBlocker quietEstimated(m_rb4ndfl);
    m_chosenForm->setChecked(true);
    return false;
}

void TfrInitialData::secondYearChosen(bool chosen)
{
    if (!chosen || m_loading || m_rb4ndfl->isChecked())
        return;
    TfmAnnounce notice(this);
    if (host().interaction().execDialog(notice) != QDialog::Accepted) {
        m_rb13->setChecked(true);
        m_rb13->setFocus();
    }
}

void TfrInitialData::pickInspection()
{
    TfmInputInspectionNumber* picker = host().inspectionPicker();
    if (picker == nullptr)
        return;
    picker->Preselect(m_meInspection->text());
    if (host().interaction().execDialog(*picker) != QDialog::Accepted)
        return;
    if (picker->chosenCode() != m_meInspection->text()) {
        m_meInspection->setText(picker->chosenCode());
        m_pickedName = picker->chosenName();
        host().NotifyDocumentChanged();
    }
}

void TfrInitialData::StoreData()
{
    mTDeclaration& doc = document();
    if (doc.InspectionCode != m_meInspection->text()) {
        doc.InspectionCode = m_meInspection->text();
        // The name of the tax office travels with its code to the printed form.
        doc.InspectionName = m_pickedName;
    }
    if (m_dtGetDate->date() != DayCount::toDate(doc.SignDate))
        doc.SignDate = DayCount::fromDate(m_dtGetDate->date());

    doc.ConfirmKind = m_rbGiveTrustFase->isChecked() ? 1 : m_rbGiveByMail->isChecked() ? 2 : 0;

    if (m_rbFermer->isChecked())
        doc.TaxpayerKind = TaxpayerCategory::FarmHead;
    else if (m_rbPredp->isChecked())
        doc.TaxpayerKind = TaxpayerCategory::Entrepreneur;
    else if (m_rbNotarius->isChecked())
        doc.TaxpayerKind = TaxpayerCategory::Notary;
    else if (m_rbAdvokat->isChecked())
        doc.TaxpayerKind = TaxpayerCategory::Lawyer;
    else
        doc.TaxpayerKind = TaxpayerCategory::OtherPerson;

    doc.DeclForm = m_rbNeRez->isChecked()   ? DeclarationForm::NonResident
                   : m_rb4ndfl->isChecked() ? DeclarationForm::EstimatedIncome
                                            : DeclarationForm::Resident;

    doc.SetIncomeKinds(storedIncomeKinds());

    doc.EstimatedIncome =
        Money::parse(m_meSupposeIncome->text(), QLatin1Char(',')).value_or(Money());

    const auto stored = [](const QLineEdit* edit) {
        return edit->isEnabled() && !edit->text().isEmpty() ? edit->text() : QString();
    };
    doc.RepresentativeDoc = stored(m_meOsn);
    doc.RepresentativeOrg = stored(m_meUL);
    doc.RepresentativeName = stored(m_meFIO);

    doc.CorrectionNumber = m_meNumVer->value();
    doc.TaxYear = m_rb13->isChecked() ? 2013 : 2014;
    // The automatic sheet count has no control here: it stays as the file or a new declaration
    // set it.
    doc.ProofSheets = m_meAppendixes->text().toInt();
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
    take(m_chbIncomeInquiry, IncomeKind::Country);
    take(m_chbIncomeCurrency, IncomeKind::Abroad);
    take(m_chbIncomeBusiness, IncomeKind::Business);
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
        if (m_bnInspection->isEnabled()) {
            m_bnInspection->setFocus();
            pickInspection();
        } else {
            m_meInspection->setFocus();
        }
        break;
    case ConditionsField::EstimatedIncome:
        m_meSupposeIncome->setFocus();
        break;
    case ConditionsField::RepresentativeName:
        m_meFIO->setFocus();
        break;
    case ConditionsField::RepresentativeDocument:
        m_meOsn->setFocus();
        break;
    case ConditionsField::RepresentativeOrganisation:
        m_meUL->setFocus();
        break;
    default:
        break;
    }
}
