#include "ui/sections/taxpayer/FramePersonData.h"

#include "model/Declaration.h"
#include "ui/sections/taxpayer/FramePersonAddress.h"
#include "ui/sections/taxpayer/FramePersonName.h"

#include <QAbstractButton>

TfrPersonData::TfrPersonData(QWidget* parent, FrameHost& host)
    : TSubFrameContainer(parent, host, QStringLiteral("PnlFormContainer"))
{
    setObjectName(QStringLiteral("TfrPersonData"));
    addButton(0, QStringLiteral("fbPersonNaim"), QStringLiteral("ФИО и документ"),
              QStringLiteral("Сведения о ФИО и документе, удостоверяющем личность"));
    QAbstractButton* address =
        addButton(1, QStringLiteral("fbPersonAddress"), QStringLiteral("Место жительства"),
                  QStringLiteral("Сведения о месте жительства"));
    address->setVisible(document().DeclForm != DeclarationForm::EstimatedIncome);
    showSubFrame(0);
}

QString TfrPersonData::sectionName()
{
    return QStringLiteral("Сведения о декларанте");
}

TThinkingFrame* TfrPersonData::createSubFrame(int index, QWidget* parent)
{
    if (index == 0)
        return new TfrPersonNaim(parent, host());
    return new TfrPersonAddress(parent, host());
}
