#include "ui/dialogs/Announce.h"

#include "ui/dialogs/DialogButtons.h"

#include <QCheckBox>
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
    text->setAccessibleName(QStringLiteral("Текст уведомления"));
    text->setPlainText(QStringLiteral(
        "Новая форма налоговой декларации по налогу на доходы физических лиц (форма 3-НДФЛ) за "
        "2014 год и порядок ее заполнения находятся на государственной регистрации.\n\n"
        "До вступления в силу нового приказа программа может использоваться для заполнения "
        "декларации 3-НДФЛ за 2014 год.\n\n"
        "После вступления приказа в силу будет выпущена новая редакция программы для 2014 года, "
        "которой и следует пользоваться для декларирования доходов за этот год."));
    auto* agree = new QCheckBox(QStringLiteral("Я согласен"), this);
    agree->setObjectName(QStringLiteral("chbAgree"));
    const DialogButtons buttons = DialogButtons::create(this, "btnYes", "btnNo");
    buttons.yes->setEnabled(false);
    connect(agree, &QCheckBox::toggled, buttons.yes, &QPushButton::setEnabled);
    connect(buttons.yes, &QPushButton::clicked, this, &QDialog::accept);

    buttons.row->insertWidget(0, agree);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons.row);
}
