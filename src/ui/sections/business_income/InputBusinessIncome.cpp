#include "ui/sections/business_income/InputBusinessIncome.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/Interaction.h"
#include "ui/pickers/FormOKVED.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/MyFrame.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfmInputBusinessIncome::TfmInputBusinessIncome(QWidget* parent, FrameHost& host)
    : QDialog(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Вид деятельности"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* kinds = new QGroupBox(QStringLiteral("Вид деятельности"), this);
    const auto radio = [kinds](const char* name, const QString& caption) {
        auto* button = new QRadioButton(caption, kinds);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    m_rbPredp = radio("rbPredp", QStringLiteral("Предпринимательская"));
    m_rbNota = radio("rbNota", QStringLiteral("Нотариальная"));
    m_rbAdvokat = radio("rbAdvokat", QStringLiteral("Адвокатская"));
    m_rbInaya = radio("rbInaya", QStringLiteral("Иная"));
    auto* group = new QButtonGroup(this);
    auto* kindLayout = new QVBoxLayout(kinds);
    for (QRadioButton* button : {m_rbPredp, m_rbNota, m_rbAdvokat, m_rbInaya}) {
        group->addButton(button);
        kindLayout->addWidget(button);
        connect(button, &QRadioButton::toggled, this, &TfmInputBusinessIncome::kindChosen);
    }

    m_lbCode = new QLabel(QStringLiteral("Код вида деятельности"), this);
    m_me1 = EntryFields::panel(this, "me1", Qt::AlignLeft);
    m_me1->setMaxLength(8);
    m_bnIncomeCod = EntryFields::pickerButton(this, "bnIncomeCod");
    connect(m_bnIncomeCod, &QPushButton::clicked, this, &TfmInputBusinessIncome::pickActivity);
    auto* code = new QHBoxLayout;
    code->addWidget(m_lbCode);
    code->addWidget(m_me1);
    code->addWidget(m_bnIncomeCod);

    const DialogButtons buttons = DialogButtons::create(this);
    connect(buttons.yes, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kinds);
    layout->addLayout(code);
    layout->addLayout(buttons.row);

    if (const ActivityDirectory* activities = m_host.activities())
        m_picker = std::make_unique<TFormOKVED>(this, *activities, m_host.interaction());
    m_rbPredp->setChecked(true);
    kindChosen();
}

TfmInputBusinessIncome::~TfmInputBusinessIncome() = default;

QString TfmInputBusinessIncome::kind() const
{
    if (m_rbNota->isChecked())
        return QStringLiteral("2");
    if (m_rbAdvokat->isChecked())
        return QStringLiteral("3");
    if (m_rbInaya->isChecked())
        return QStringLiteral("4");
    return QStringLiteral("1");
}

QString TfmInputBusinessIncome::activityName() const
{
    return m_me1->text();
}

void TfmInputBusinessIncome::Fill(const QString& kind, const QString& activityName)
{
    if (kind == QLatin1String("2"))
        m_rbNota->setChecked(true);
    else if (kind == QLatin1String("3"))
        m_rbAdvokat->setChecked(true);
    else if (kind == QLatin1String("4"))
        m_rbInaya->setChecked(true);
    else
        m_rbPredp->setChecked(true);
    m_me1->setText(activityName);
}

void TfmInputBusinessIncome::kindChosen()
{
    const bool entrepreneur = m_rbPredp->isChecked();
    m_lbCode->setEnabled(entrepreneur);
    // Without the activity directory there is nothing to pick from.
    m_bnIncomeCod->setEnabled(entrepreneur && m_picker != nullptr);
}

void TfmInputBusinessIncome::pickActivity()
{
    if (m_picker == nullptr)
        return;
    if (m_host.interaction().execDialog(*m_picker) != QDialog::Accepted)
        return;
    // Nothing chosen yet: the field keeps its code rather than taking the word "нет".
    if (!m_picker->chosenKod().isEmpty())
        m_me1->setText(m_picker->okvedText());
}
