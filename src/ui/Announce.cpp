#include "Announce.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmAnnounce::TfmAnnounce(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ВНИМАНИЕ!"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(537, 298);

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("mmText"));
    text->setReadOnly(true);
    text->setPlainText(QStringLiteral(
        "Новая форма налоговой декларации по налогу на доходы физических лиц (форма 3-НДФЛ) за "
        "2014 год и порядок ее заполнения находятся на государственной регистрации.\n\n"
        "До вступления в силу нового приказа программа может использоваться для заполнения "
        "декларации 3-НДФЛ за 2014 год.\n\n"
        "После вступления приказа в силу будет выпущена новая редакция программы для 2014 года, "
        "которой и следует пользоваться для декларирования доходов за этот год."));
    auto* agree = new QCheckBox(QStringLiteral("Я согласен"), this);
    agree->setObjectName(QStringLiteral("chbAgree"));
    auto* yes = new QPushButton(QStringLiteral("Да"), this);
    yes->setObjectName(QStringLiteral("btnYes"));
    yes->setEnabled(false);
    yes->setDefault(true);
    auto* no = new QPushButton(QStringLiteral("Нет"), this);
    no->setObjectName(QStringLiteral("btnNo"));
    no->setAutoDefault(false);
    connect(agree, &QCheckBox::toggled, yes, &QPushButton::setEnabled);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(agree);
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
}
