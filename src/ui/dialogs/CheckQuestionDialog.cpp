#include "ui/dialogs/CheckQuestionDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CheckQuestionDialog::CheckQuestionDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lbMessage"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setMinimumSize(360, 60);

    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    m_buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message, 1);
    layout->addLayout(m_buttons);
}

QPushButton* CheckQuestionDialog::addAnswer(const QString& caption, const char* name, int result)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    // Between the two stretches, after the buttons added before.
    m_buttons->insertWidget(m_buttons->count() - 1, button);
    return button;
}

void CheckQuestionDialog::pose(const QString& title, const QString& message, int closedResult)
{
    setWindowTitle(title);
    m_message->setText(message);
    setResult(closedResult);
}

QString CheckQuestionDialog::message() const
{
    return m_message->text();
}
