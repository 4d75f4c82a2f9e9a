#pragma once

#include "directories/ProgramFolders.h"
#include "ui/pickers/ListPicker.h"
#include "ui/pickers/LoadSoun.h"

class Interaction;

// The tax-office picker, built once at start-up from "InspectionNumbers.xml" and reused. Its third
// button opens the import of the tax-office directory.
class TfmInputInspectionNumber : public TfmListPicker
{
    Q_OBJECT

public:
    TfmInputInspectionNumber(QWidget* parent, const QList<PickerRow>& inspections,
                             Interaction& interaction, ProgramFolders folders,
                             TfmLoadSoun::Importer importer);

private:
    void openImport();

    Interaction& m_interaction;
    ProgramFolders m_folders;
    TfmLoadSoun::Importer m_importer;
};
