#pragma once

#include "directories/ProgramFolders.h"
#include "directories/SounImport.h"

#include <QDialog>
#include <functional>

class Interaction;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// "Загрузка СОУН": explains how to bring the tax-office directory up to date and rebuilds it from
// the tax authority's dBase file "soun1.dbf" into the user's data folder, where the program looks
// first at its next start.
class TfmLoadSoun : public QDialog
{
    Q_OBJECT

public:
    // dBase path, output path, date "DD.MM.YYYY", version.
    using Importer = std::function<SounImportResult(const QString&, const QString&, const QString&,
                                                    const QString&)>;

    TfmLoadSoun(QWidget* parent, Interaction& interaction, ProgramFolders folders,
                Importer importer);

    static QUrl sounPageUrl();

private:
    // A link label that opens the target through openLink.
    QLabel* addLink(const char* name, const QString& target, const QString& text);
    // The caption, the path of the chosen file and the button that chooses it.
    QHBoxLayout* buildFileRow();
    void chooseFile();
    void runImport();
    void openLink(const QString& link);

    Interaction& m_interaction;
    ProgramFolders m_folders;
    Importer m_importer;
    QLineEdit* m_path;
    QPushButton* m_import;
    QPushButton* m_ok;
};
