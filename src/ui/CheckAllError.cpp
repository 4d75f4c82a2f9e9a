#include "CheckAllError.h"

#include "Interaction.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfmCheckAllError::TfmCheckAllError(QWidget* parent) : QDialog(parent)
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
    auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(fix, &QPushButton::clicked, this, [this] { done(Fix); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(Cancel); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(fix);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message, 1);
    layout->addLayout(buttons);
}

DeclarationAnswer TfmCheckAllError::ask(Interaction& interaction,
                                        const DeclarationQuestion& question)
{
    setWindowTitle(question.windowTitle());
    m_message->setText(question.message);
    setResult(Cancel);
    return interaction.execDialog(*this) == Fix ? DeclarationAnswer::Fix
                                                : DeclarationAnswer::Cancel;
}

QString TfmCheckAllError::message() const
{
    return m_message->text();
}
