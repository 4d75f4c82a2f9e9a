#include "ui/pickers/InputInspectionNumber.h"

#include "ui/dialogs/Interaction.h"

#include <QPushButton>
#include <QVBoxLayout>

TfmInputInspectionNumber::TfmInputInspectionNumber(QWidget* parent,
                                                   const QList<PickerRow>& inspections,
                                                   Interaction& interaction, ProgramFolders folders,
                                                   TfmLoadSoun::Importer importer)
    : TfmListPicker(parent, QStringLiteral("Справочник инспекций"),
                    QStringLiteral("Наименование инспекции"), inspections),
      m_interaction(interaction), m_folders(std::move(folders)), m_importer(std::move(importer))
{
    auto* missing = new QPushButton(
        QStringLiteral("Пролистал весь справочник, моя инспекция отсутствует..."), this);
    missing->setObjectName(QStringLiteral("btnLoadSoun"));
    missing->setAutoDefault(false);
    extraArea()->addWidget(missing);
    connect(missing, &QPushButton::clicked, this, &TfmInputInspectionNumber::openImport);
}

void TfmInputInspectionNumber::openImport()
{
    TfmLoadSoun dialog(this, m_interaction, m_folders, m_importer);
    m_interaction.execDialog(dialog);
}
