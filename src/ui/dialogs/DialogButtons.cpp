#include "ui/dialogs/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

DialogButtons DialogButtons::create(QDialog* dialog, const char* yesName, const char* noName)
{
    auto* yes = new QPushButton(QStringLiteral("Да"), dialog);
    yes->setObjectName(QString::fromLatin1(yesName));
    yes->setDefault(true);
    auto* no = new QPushButton(QStringLiteral("Нет"), dialog);
    no->setObjectName(QString::fromLatin1(noName));
    no->setAutoDefault(false);
    QObject::connect(no, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(yes);
    row->addWidget(no);
    return {yes, no, row};
}
