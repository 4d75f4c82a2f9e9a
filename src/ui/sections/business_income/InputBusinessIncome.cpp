#include "ui/sections/business_income/InputBusinessIncome.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/Interaction.h"
#include "ui/pickers/FormOKVED.h"
#include "ui/widgets/Choices.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/MyFrame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

TfmInputBusinessIncome::TfmInputBusinessIncome(QWidget* parent, FrameHost& host)
    : QDialog(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Вид деятельности"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    FormGrid page(this);
    QGroupBox* kinds = page.group("gbKind", QStringLiteral("Вид деятельности"));
    m_rbEntrepreneur = Choices::radio(kinds, "rbPredp", QStringLiteral("Предпринимательская"));
    m_rbNotary = Choices::radio(kinds, "rbNota", QStringLiteral("Нотариальная"));
    m_rbLawyer = Choices::radio(kinds, "rbAdvokat", QStringLiteral("Адвокатская"));
    m_rbOther = Choices::radio(kinds, "rbInaya", QStringLiteral("Иная"));
    Choices::exclusive(this, {m_rbEntrepreneur, m_rbNotary, m_rbLawyer, m_rbOther});
    kinds->setLayout(Choices::column({m_rbEntrepreneur, m_rbNotary, m_rbLawyer, m_rbOther}));
    for (QRadioButton* button : {m_rbEntrepreneur, m_rbNotary, m_rbLawyer, m_rbOther})
        connect(button, &QRadioButton::toggled, this, &TfmInputBusinessIncome::kindChosen);

    m_meActivityCode = new CodeField(this, "me1", Shows::Name, "bnIncomeCod",
                                     QStringLiteral("Выбрать код вида деятельности"));
    connect(m_meActivityCode, &CodeField::pickRequested, this,
            &TfmInputBusinessIncome::pickActivity);
    m_lbActivityCode =
        page.row({{QStringLiteral("Код вида деятельности"), m_meActivityCode}}).constFirst();

    const DialogButtons buttons = DialogButtons::create(this);
    connect(buttons.yes, &QPushButton::clicked, this, &QDialog::accept);
    page.wide(buttons.row);

    if (const ActivityDirectory* activities = m_host.activities())
        m_picker = std::make_unique<TFormOKVED>(this, *activities, m_host.interaction());
    // Without the activity directory there is nothing to pick from.
    m_meActivityCode->setPickerEnabled(m_picker != nullptr);
    m_rbEntrepreneur->setChecked(true);
    kindChosen();
}

TfmInputBusinessIncome::~TfmInputBusinessIncome() = default;

QString TfmInputBusinessIncome::kind() const
{
    if (m_rbNotary->isChecked())
        return QStringLiteral("2");
    if (m_rbLawyer->isChecked())
        return QStringLiteral("3");
    if (m_rbOther->isChecked())
        return QStringLiteral("4");
    return QStringLiteral("1");
}

QString TfmInputBusinessIncome::activityName() const
{
    return m_meActivityCode->text();
}

void TfmInputBusinessIncome::Fill(const QString& kind, const QString& activityName)
{
    if (kind == QLatin1String("2"))
        m_rbNotary->setChecked(true);
    else if (kind == QLatin1String("3"))
        m_rbLawyer->setChecked(true);
    else if (kind == QLatin1String("4"))
        m_rbOther->setChecked(true);
    else
        m_rbEntrepreneur->setChecked(true);
    m_meActivityCode->setText(activityName);
}

void TfmInputBusinessIncome::kindChosen()
{
    const bool entrepreneur = m_rbEntrepreneur->isChecked();
    m_lbActivityCode->setEnabled(entrepreneur);
    m_meActivityCode->setEnabled(entrepreneur);
}

void TfmInputBusinessIncome::pickActivity()
{
    if (m_picker == nullptr)
        return;
    if (m_host.interaction().execDialog(*m_picker) != QDialog::Accepted)
        return;
    // Nothing chosen yet: the field keeps its code rather than taking the word "нет".
    if (!m_picker->chosenKod().isEmpty())
        m_meActivityCode->setText(m_picker->okvedText());
}
