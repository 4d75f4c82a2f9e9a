#include "CheckError.h"

#include "Interaction.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfmCheckError::TfmCheckError(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lbMessage"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setMinimumSize(360, 60);

    auto* fix = new QPushButton(QStringLiteral("Исправить"), this);
    fix->setObjectName(QStringLiteral("Button1"));
    fix->setDefault(true);
    m_skip = new QPushButton(QStringLiteral("Пропустить"), this);
    m_skip->setObjectName(QStringLiteral("Button2"));
    m_skipAll = new QPushButton(QStringLiteral("Пропустить все"), this);
    m_skipAll->setObjectName(QStringLiteral("Button3"));
    connect(fix, &QPushButton::clicked, this, [this] { done(Fix); });
    connect(m_skip, &QPushButton::clicked, this, [this] { done(Skip); });
    connect(m_skipAll, &QPushButton::clicked, this, [this] { done(SkipAll); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fix);
    buttons->addWidget(m_skip);
    buttons->addWidget(m_skipAll);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message, 1);
    layout->addLayout(buttons);
}

void TfmCheckError::setSkipEnabled(bool enabled)
{
    m_skip->setEnabled(enabled);
}

void TfmCheckError::setSkipAllEnabled(bool enabled)
{
    m_skipAll->setEnabled(enabled);
}

SectionAnswer TfmCheckError::ask(Interaction& interaction, const SectionQuestion& question)
{
    setWindowTitle(question.windowTitle());
    m_message->setText(question.message);
    m_skip->setEnabled(question.skipEnabled);
    m_skipAll->setEnabled(question.skipAllEnabled);
    setResult(Closed);
    switch (interaction.execDialog(*this)) {
    case Fix:
        return SectionAnswer::Fix;
    case Skip:
        return SectionAnswer::Skip;
    case SkipAll:
        return SectionAnswer::SkipAll;
    default:
        return SectionAnswer::Closed;
    }
}

QString TfmCheckError::message() const
{
    return m_message->text();
}
