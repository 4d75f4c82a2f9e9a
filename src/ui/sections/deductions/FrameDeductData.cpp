#include "ui/sections/deductions/FrameDeductData.h"

#include "ui/sections/deductions/FrameCB.h"
#include "ui/sections/deductions/FrameConstructionDeduct.h"
#include "ui/sections/deductions/FramePensDeduct.h"
#include "ui/sections/deductions/FrameStandartDeduct.h"
#include "ui/widgets/EditWatch.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TfrFrameDeductData::TfrFrameDeductData(QWidget* parent, FrameHost& host)
    : TContainerFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrFrameDeductData"));
    m_buttons = new QButtonGroup(this);
    m_buttons->setExclusive(true);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(addButton(Standard, "fbStandartDeduct", QStringLiteral("Стандартные"),
                             QStringLiteral("Стандартные налоговые вычеты")));
    row->addWidget(addButton(Property, "fbConstructionDeduct", QStringLiteral("Имущественный"),
                             QStringLiteral("Имущественный налоговый вычет на строительство")));
    row->addWidget(addButton(Social, "fbPensDeduct", QStringLiteral("Социальные"),
                             QStringLiteral("Социальные налоговые вычеты")));
    row->addWidget(addButton(Securities, "fbCB", QStringLiteral("Убытки по ЦБ"),
                             QStringLiteral("Убытки прошлых налоговых периодов по операциям с "
                                            "ЦБ")));
    row->addStretch();

    m_container = new QWidget(this);
    m_container->setObjectName(QStringLiteral("pnlDeductContainer"));
    auto* containerLayout = new QVBoxLayout(m_container);
    containerLayout->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QVBoxLayout(this);
    // Narrow margins leave the sub-frames the room their fields need.
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(row);
    layout->addWidget(m_container, 1);

    showSubFrame(Standard);
}

TfrFrameDeductData::~TfrFrameDeductData()
{
    // The sub-frame edits the document: it goes before anything else of the section.
    delete m_subFrame;
    m_subFrame = nullptr;
}

QToolButton* TfrFrameDeductData::addButton(SubFrame kind, const char* name, const QString& caption,
                                           const QString& hint)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setAutoRaise(false);
    m_buttons->addButton(button, kind);
    connect(button, &QToolButton::clicked, this, [this, kind] { switchTo(kind); });
    return button;
}

void TfrFrameDeductData::switchTo(SubFrame kind)
{
    if (kind == m_shown && m_subFrame != nullptr) {
        m_buttons->button(m_shown)->setChecked(true);
        return;
    }
    m_subFrame->StoreData();
    if (const quint16 code = m_subFrame->CheckData(); code != 0) {
        m_buttons->button(m_shown)->setChecked(true);
        m_subFrame->FocusError(code);
        return;
    }
    showSubFrame(kind);
}

void TfrFrameDeductData::showSubFrame(SubFrame kind)
{
    TThinkingFrame* frame = nullptr;
    switch (kind) {
    case Standard:
        frame = new TfrFrameStandartDeduct(m_container, host());
        break;
    case Property:
        frame = new TfrConstructionDeduct(m_container, host());
        break;
    case Social:
        frame = new TfrFramePensDeduct(m_container, host());
        break;
    case Securities:
        frame = new TfrCB(m_container, host());
        break;
    }
    WatchEdits(*frame, host());
    m_container->layout()->addWidget(frame);
    delete m_subFrame;
    m_subFrame = frame;
    m_shown = kind;
    m_buttons->button(kind)->setChecked(true);
}

void TfrFrameDeductData::StoreData()
{
    m_subFrame->StoreData();
}

quint16 TfrFrameDeductData::CheckData()
{
    return m_subFrame->CheckData();
}

void TfrFrameDeductData::FocusError(quint16 code)
{
    m_subFrame->FocusError(code);
}

void TfrFrameDeductData::FocusSubError(int index, quint16 code)
{
    const SubFrame kind = index == 0 ? Standard : Property;
    if (kind != m_shown)
        showSubFrame(kind);
    m_subFrame->FocusError(code);
}
